// What a phone's keyboard hides, beside the quiz's answer box: a row of
// keys that type at the caret without taking the focus, so the keyboard
// stays open, and the "How to type" note, whose rows come from the core.
// The answer box grows to three lines with its equation and keeps the caret
// in view; Enter marks the answer, which is one line whatever is pasted.
const Typing = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);

  // The box as tall as its text, up to the most its style allows; empty,
  // one line, with no layout to wait for.
  function grow() {
    const box = $('answer');
    box.style.height = '';
    if (!box.value) return;
    box.style.height = 'auto';
    box.style.height = box.scrollHeight + box.offsetHeight - box.clientHeight + 'px';
  }

  // Typed as a key types, so the browser keeps the caret in view and undo
  // takes it back; where that is not offered, set in at the caret.
  function insert(text) {
    const box = $('answer');
    box.focus();
    if (!document.execCommand('insertText', false, text)) {
      const end = box.selectionEnd ?? box.value.length;
      box.setRangeText(text, box.selectionStart ?? end, end, 'end');
      grow();
      if (box.selectionEnd === box.value.length) box.scrollTop = box.scrollHeight;
    }
  }

  function wire() {
    // A press that takes no focus: the answer box keeps it.
    for (const id of ['keys', 'mark', 'quiz-why', 'quiz-hint-button', 'quit']) {
      $(id).addEventListener('pointerdown', (e) => e.preventDefault());
    }
    $('keys').addEventListener('click', (e) => {
      const key = e.target.closest('button');
      if (key) insert(key.dataset.insert);
    });
    const box = $('answer');
    box.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter' || e.isComposing) return;
      e.preventDefault();
      $('quiz-form').requestSubmit();
    });
    box.addEventListener('input', () => {
      if (box.value.includes('\n')) box.value = box.value.replace(/\s*\n\s*/g, ' ');
      grow();
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

  return { wire, fill, fit, grow };
})();
