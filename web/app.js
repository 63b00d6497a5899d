// The page's dialogue. Every question, answer, verdict and worksheet comes
// from the core (createCore); this file only keeps the session and renders.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const MAX_SEED = '18446744073709551615';
  const state = {
    core: null, program: 'drill', seed: '0', type: 0,
    pending: null, revealed: false, right: 0, answered: 0,
  };
  window.__questionMs = [];  // time to show each question after the first

  // Renders the core's lines: its HTML fragments are escaped already.
  function renderLines(box, lines) {
    for (const line of lines) {
      const p = document.createElement('p');
      p.className = 'line';
      p.dataset.indent = line.indent;
      p.style.paddingLeft = line.indent / 2 + 'em';
      p.innerHTML = line.html;
      box.appendChild(p);
    }
  }

  function typeNames(program) {
    return program === 'quiz' ? state.core.questionTypeNames() : state.core.reactionTypeNames();
  }

  function fillTypes(select, names) {
    names.forEach((name, k) => select.add(new Option(k + '. ' + name, String(k))));
  }

  // ---- drill ----
  function nextReaction() {
    const r = state.core.nextReaction(state.type);
    $('drill-question').innerHTML = r.question.html;
    const box = $('drill-answer');
    box.replaceChildren();
    state.pending = r;
    state.revealed = false;
    $('reveal').textContent = 'Reveal the answer';
  }

  // The answer goes into the live region only now, so it is announced.
  function revealAnswer() {
    const r = state.pending;
    const box = $('drill-answer');
    renderLines(box, r.answer);
    const equations = document.createElement('div');
    equations.id = 'drill-equations';
    equations.hidden = !$('formulas').checked;
    renderLines(equations, r.equations);
    box.appendChild(equations);
    state.revealed = true;
    $('reveal').textContent = 'Next question';
  }

  function advanceDrill() {
    if (!state.revealed) return revealAnswer();
    timed(nextReaction);
  }

  // ---- quiz ----
  function nextQuizQuestion() {
    const q = state.core.nextQuizQuestion(state.type);
    $('quiz-question').textContent = q.question;
    $('quiz-prompt').textContent = q.prompt;
    $('answer').value = '';
  }

  function scoreText() {
    return 'Score: ' + state.right + ' of ' + state.answered + ' correct';
  }

  // "quit" in any letter case with spaces or tabs around, as the console takes it.
  const isQuit = (answer) => /^[ \t]*quit[ \t]*$/i.test(answer);

  function recordAnswer(answer, verdict) {
    const item = document.createElement('li');
    for (const [cls, text] of [['q', $('quiz-question').textContent],
      ['a', $('quiz-prompt').textContent + ' ' + answer], ['v', verdict]]) {
      const p = document.createElement('p');
      p.className = cls;
      p.textContent = text;
      item.appendChild(p);
    }
    $('history').appendChild(item);
  }

  function markAnswer(answer) {
    if (isQuit(answer)) return endQuiz();
    const result = state.core.markQuizAnswer(answer);
    state.answered += 1;
    if (result.correct) state.right += 1;
    recordAnswer(answer, result.verdict);
    $('verdict').textContent = result.verdict;
    $('verdict').className = result.correct ? 'right' : 'wrong';
    $('score').textContent = scoreText();
    timed(nextQuizQuestion);
  }

  function endQuiz() {
    $('quiz-form').hidden = true;
    $('verdict').textContent = '';
    $('score').textContent = scoreText();
    $('again').hidden = false;
    $('again').focus();
  }

  // ---- session ----
  // The time to a question laid out on screen: reading offsetHeight makes
  // the browser lay the page out at once, inside the measured span.
  function timed(show) {
    const start = performance.now();
    show();
    void document.body.offsetHeight;
    window.__questionMs.push(performance.now() - start);
  }

  function startSession() {
    state.core.startSession(state.seed);
    const hash = '#program=' + state.program + '&seed=' + state.seed + '&type=' + state.type;
    history.replaceState(null, '', hash);
    $('link').href = hash;
    $('seed').textContent = state.seed;
    for (const program of ['drill', 'quiz']) $(program).hidden = program !== state.program;
    document.querySelector('input[value="' + state.program + '"]').checked = true;
    $(state.program + '-type').value = String(state.type);
    if (state.program === 'drill') return nextReaction();
    Object.assign(state, { right: 0, answered: 0 });
    $('history').replaceChildren();
    $('verdict').textContent = '';
    $('score').textContent = scoreText();
    $('quiz-form').hidden = false;
    $('again').hidden = true;
    nextQuizQuestion();
  }

  // Reads program, seed and type from the address; anything wrong is said and
  // replaced by the default: the drill, a fresh seed, random questions.
  function readAddress() {
    const params = new URLSearchParams(location.hash.slice(1));
    const problems = [];
    const program = params.get('program') || 'drill';
    state.program = program === 'quiz' ? 'quiz' : 'drill';
    if (program !== state.program) problems.push('There is no program "' + program + '"; showing the drill.');
    const seed = params.get('seed');
    const given = seed === null ? '' : state.core.startSession(seed);
    state.seed = given || state.core.freshSeed();
    if (seed !== null && !given) {
      problems.push('The seed "' + seed + '" is not a number from 0 to ' + MAX_SEED + '; using a fresh seed.');
    }
    const type = params.get('type');
    const highest = typeNames(state.program).length - 1;
    const typeValid = /^\d{1,9}$/.test(type) && Number(type) <= highest;
    state.type = typeValid ? Number(type) : 0;
    if (type !== null && !typeValid) {
      problems.push('The type "' + type + '" is not one of 0 to ' + highest + '; asking questions of random types.');
    }
    $('notice').textContent = problems.join(' ');
  }

  function printWorksheet() {
    const count = $('count').value.trim();
    if (!/^\d{1,9}$/.test(count) || Number(count) === 0) {
      $('notice').textContent = 'The number of questions must be a whole number from 1 to 999999999.';
      return;
    }
    const html = state.program === 'drill'
      ? state.core.drillWorksheet(state.seed, state.type, Number(count), $('formulas').checked)
      : state.core.quizWorksheet(state.seed, state.type, Number(count));
    const url = URL.createObjectURL(new Blob([html], { type: 'text/html;charset=utf-8' }));
    window.open(url, '_blank');
    // Revoked later, not at once: the new tab may not have loaded it yet.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  function isControl(target) {
    return target.closest('button, input, select, a, textarea, label') !== null;
  }

  function wireUp() {
    $('reveal').addEventListener('click', advanceDrill);
    // Enter or Space anywhere outside a control works the drill, as Enter does
    // on the console; on the button itself the browser already clicks.
    document.addEventListener('keydown', (e) => {
      if (state.program !== 'drill' || isControl(e.target)) return;
      if (e.key !== 'Enter' && e.key !== ' ') return;
      e.preventDefault();
      advanceDrill();
    });
    $('formulas').addEventListener('change', () => {
      const equations = $('drill-equations');
      if (equations) equations.hidden = !$('formulas').checked;
    });
    $('quiz-form').addEventListener('submit', (e) => {
      e.preventDefault();
      markAnswer($('answer').value);
    });
    $('quit').addEventListener('click', endQuiz);
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
    window.addEventListener('hashchange', () => { readAddress(); startSession(); });
  }

  createCore().then((core) => {
    state.core = core;
    fillTypes($('drill-type'), core.reactionTypeNames());
    fillTypes($('quiz-type'), core.questionTypeNames());
    wireUp();
    readAddress();
    startSession();
    $('loading').hidden = true;
    $('session').hidden = false;
    window.__firstQuestionMs = performance.now();  // since navigation start
    document.documentElement.dataset.ready = '1';
    setTimeout(() => core.prepare(), 0);
  }, (error) => {
    $('loading').textContent = 'The page could not start: ' + error;
  });
})();
