// The page's controls around the session: the settings row, the notice of
// what was wrong with the address, a worksheet or the storage, the access
// keys of the program shown, and the question asked before anything would
// lose a quiz's answers.
const Controls = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const problems = {};
  let pending = null;

  // Each problem by what it is about, shown until that is put right.
  function notice(changes) {
    for (const [about, text] of Object.entries(changes)) {
      if (text) problems[about] = text;
      else delete problems[about];
    }
    // Set only when it changes, so that an alert is not read out again.
    const text = Object.values(problems).join(' ');
    if ($('notice').textContent !== text) $('notice').textContent = text;
  }

  // The settings folded into one row that names them.
  function showSettings() {
    const { state } = Session;
    const shown = [Words.programs[state.program], Session.typeNames(state.program)[state.type]];
    if (state.program === 'drill') shown.push(Words.formulasShown($('formulas').checked));
    if ($('pictures').checked) shown.push(Words.particlesShown);
    $('settings-now').textContent = shown.join(', ');
    for (const p of document.querySelectorAll('#settings [data-program]')) p.hidden = p.dataset.program !== state.program;
  }

  // Access keys only on the buttons of the program shown, so that no key
  // works a button out of sight.
  function showKeys() {
    for (const button of document.querySelectorAll('[data-key]')) {
      button.accessKey = button.closest('section').hidden ? '' : button.dataset.key;
    }
  }

  // The answers a new session would lose: those of a quiz not yet ended,
  // and whether one is typed but not marked.
  function atStake() {
    const kept = Keeper.current();
    const open = kept && kept.program === 'quiz' && !kept.ended;
    return { answered: open ? Keeper.totals(kept).answered : 0, typed: open && $('answer').value.trim() !== '' };
  }

  // Asks `text`, and runs `go` on the answer `yes`, `stay` on `no` or
  // Escape; while another question is open, runs `stay`.
  function ask(text, yes, no, go, stay = () => {}) {
    if ($('confirm').open) return stay();
    pending = { go, stay };
    $('confirm-text').textContent = text;
    $('confirm-yes').textContent = yes;
    $('confirm-no').textContent = no;
    $('confirm').returnValue = '';
    $('confirm').showModal();
  }

  // Runs `go` at once when nothing would be lost; otherwise asks first, and
  // runs `stay` if the student keeps the session.
  function askFirst(go, stay = () => {}) {
    const { answered, typed } = atStake();
    if (!answered && !typed) return go();
    ask(Words.losing(answered), Words.newSession, Words.keepSession, go, stay);
  }

  function wire() {
    const dialog = $('confirm');
    $('confirm-yes').addEventListener('click', () => dialog.close('yes'));
    $('confirm-no').addEventListener('click', () => dialog.close('no'));
    // Closed by either button or by Escape, which keeps the session.
    dialog.addEventListener('close', () => {
      const { go, stay } = pending;
      pending = null;
      if (dialog.returnValue === 'yes') go();
      else stay();
    });
  }

  return { notice, showSettings, showKeys, ask, askFirst, wire };
})();
