// The page's dialogue. Every question, answer, verdict, worksheet and text
// the console programs share comes from the core (createCore); the views
// only render it.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const { state } = Session;

  function fillTypes(select, names) {
    names.forEach((name, k) => select.add(new Option(k + '. ' + name, String(k))));
  }

  function startSession() {
    const asking = Session.restart();
    $('link').href = Session.address();
    $('seed').textContent = state.seed;
    for (const program of ['drill', 'quiz']) $(program).hidden = program !== state.program;
    document.querySelector('input[value="' + state.program + '"]').checked = true;
    $(state.program + '-type').value = String(state.type);
    if (state.program === 'drill') DrillView.next(asking);
    else QuizView.start(state.core, asking);
  }

  function printWorksheet() {
    const count = $('count').value.trim();
    const html = /^\d{1,9}$/.test(count) ? Session.worksheet(Number(count), $('formulas').checked) : '';
    if (!html) {
      $('notice').textContent = 'The number of questions must be a whole number from 1 to ' +
        state.core.texts().maxSheetQuestions + '.';
      return;
    }
    const url = URL.createObjectURL(new Blob([html], { type: 'text/html;charset=utf-8' }));
    window.open(url, '_blank');
    // Revoked later, not at once: the new tab may not have loaded it yet.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  function isControl(target) {
    return target.closest('button, input, select, a, textarea, label') !== null;
  }

  function wireUp() {
    $('reveal').addEventListener('click', () => DrillView.advance(state.asking));
    // Enter or Space anywhere outside a control works the drill, as Enter does
    // on the console; on the button itself the browser already clicks.
    document.addEventListener('keydown', (e) => {
      if (state.program !== 'drill' || isControl(e.target)) return;
      if (e.key !== 'Enter' && e.key !== ' ') return;
      e.preventDefault();
      DrillView.advance(state.asking);
    });
    $('formulas').addEventListener('change', () => DrillView.showFormulas($('formulas').checked));
    $('quiz-form').addEventListener('submit', (e) => {
      e.preventDefault();
      QuizView.mark(state.asking, $('answer').value);
    });
    $('quit').addEventListener('click', QuizView.end);
    $('again').addEventListener('click', () => { startSession(); $('answer').focus(); });
    for (const program of ['drill', 'quiz']) {
      $(program + '-type').addEventListener('change', (e) => {
        state.type = Number(e.target.value);
        startSession();
      });
    }
    for (const radio of document.querySelectorAll('input[name="program"]')) {
      radio.addEventListener('change', () => {
        state.program = radio.value;
        state.type = Number($(state.program + '-type').value);
        startSession();
      });
    }
    $('new-seed').addEventListener('click', () => { state.seed = state.core.freshSeed(); startSession(); });
    $('link').addEventListener('click', (e) => { e.preventDefault(); startSession(); });
    $('print').addEventListener('click', printWorksheet);
    window.addEventListener('hashchange', () => { $('notice').textContent = Session.readAddress(); startSession(); });
  }

  // The core's words into the page, before anything is shown.
  function showTexts(texts) {
    $('drill-intro').textContent = texts.drillIntro;
    $('drill-hint').textContent = texts.drillHint;
    $('quiz-intro').textContent = texts.quizIntro;
    $('quiz-hint').textContent = texts.quizHint;
    for (const label of document.querySelectorAll('.menu-question')) label.textContent = texts.menuQuestion;
  }

  createCore().then((core) => {
    state.core = core;
    showTexts(core.texts());
    fillTypes($('drill-type'), core.reactionTypeNames());
    fillTypes($('quiz-type'), core.questionTypeNames());
    wireUp();
    $('notice').textContent = Session.readAddress();
    startSession();
    $('loading').hidden = true;
    $('session').hidden = false;
    setTimeout(() => core.prepare(), 0);
  }, (error) => {
    $('loading').textContent = 'The page could not start: ' + error;
  });
})();
