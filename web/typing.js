// What a phone's keyboard hides, beside the quiz's answer box: a row of
// keys that type at the caret without taking the focus, so the keyboard
// stays open, and the "How to type" note, whose rows come from the core.
const Typing = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);

  function insert(text) {
    const box = $('answer');
    const end = box.selectionEnd ?? box.value.length;
    box.setRangeText(text, box.selectionStart ?? end, end, 'end');
    box.focus();
  }

  function wire() {
    // A press that takes no focus: the answer box keeps it.
    for (const id of ['keys', 'mark']) $(id).addEventListener('pointerdown', (e) => e.preventDefault());
    $('keys').addEventListener('click', (e) => {
      const key = e.target.closest('button');
      if (key) insert(key.dataset.insert);
    });
  }

  function fill(notes) {
    for (const note of notes) {
      const item = document.createElement('li');
      const example = document.createElement('code');
      example.textContent = note.example;
      item.append(note.what + ': ', example);
      $('howto-list').appendChild(item);
    }
  }

  // The keys and the note that fit `question`'s answer, as the core's
  // flags for its form say: the typing keys and the note, and among the
  // keys those for equations.
  function fit(question) {
    $('keys').hidden = !question.typingKeys;
    $('howto').hidden = !question.typingKeys;
    for (const key of $('keys').children) key.hidden = key.dataset.for === 'equation' && !question.equationKeys;
  }

  return { wire, fill, fit };
})();
