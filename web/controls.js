// The page's controls around the session: the settings row, the notice of
// what was wrong with the address or a worksheet, and the question asked
// before anything would start a new session and lose a quiz's answers.
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
    $('notice').textContent = Object.values(problems).join(' ');
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

  // The answers a new session would lose: those of a quiz not yet ended.
  function atStake() {
    const kept = Keeper.current();
    return kept && kept.program === 'quiz' && !kept.ended ? Keeper.totals(kept).answered : 0;
  }

  // Runs `go` at once when nothing would be lost; otherwise asks first, and
  // runs `stay` if the student keeps the session.
  function askFirst(go, stay = () => {}) {
    const answered = atStake();
    if (!answered) return go();
    if ($('confirm').open) return stay();
    pending = { go, stay };
    $('confirm-text').textContent = Words.losing(answered);
    $('confirm').returnValue = '';
    $('confirm').showModal();
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

  return { notice, showSettings, askFirst, wire };
})();
