// The page's dialogue. Every question, answer, verdict, worksheet and text
// the console programs share comes from the core (createCore); the views
// only render it.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const { state } = Session;
  const touch = matchMedia('(pointer: coarse)');

  function fillTypes(select, names) {
    names.forEach((name, k) => select.add(new Option(k + '. ' + name, String(k))));
  }

  // Each hint in the words of the pointer in use.
  function showHints() {
    const how = touch.matches ? 'touch' : 'keyboard';
    $('drill-hint').textContent = Words.drillHint[how];
    $('quiz-hint').textContent = Words.quizHint[how];
  }

  function showProgram() {
    $('resume').hidden = true;
    for (const program of ['drill', 'quiz']) $(program).hidden = program !== state.program;
    document.querySelector('input[value="' + state.program + '"]').checked = true;
    $(state.program + '-type').value = String(state.type);
    $('quiz-intro').textContent = state.texts.quizOpenings[state.type] ?? state.texts.quizOpenings[0];
    $('link').href = Session.address();
    $('seed').textContent = state.seed;
    $('session').hidden = false;
    Controls.showSettings();
    Controls.showKeys();
  }

  const view = () => (state.program === 'drill' ? DrillView : QuizView);

  function startSession() {
    showProgram();
    view().start();
  }

  // A session the student chose, in place of the one before, once any
  // answers it would lose are given up; `problems` are those it puts right.
  function choose(change, problems, undo) {
    Controls.askFirst(() => {
      const { program, seed, type } = state;
      change();
      // Questions picked by number are those of one program, seed and type.
      const same = program === state.program && seed === state.seed && type === state.type;
      if (state.picks && !same) Object.assign(state, { picks: '', count: 0 });
      Controls.notice({ ...problems, count: '', questions: '', kept: '' });
      startSession();
    }, undo);
  }

  // The same program and type with a fresh seed; the session again, as
  // the address says it.
  const freshSession = () => choose(() => { state.seed = state.core.freshSeed(); }, { seed: '' });
  const sameAgain = (e) => { e.preventDefault(); choose(() => {}, {}); };

  function resumeSession(kept) {
    $('pictures').checked = kept.pictures === true;
    showProgram();
    view().resume(kept);
  }

  // The number of questions asked for the worksheet, or 0 for none the
  // core takes.
  function sheetCount() {
    const count = $('count').value.trim();
    const valid = /^\d{1,9}$/.test(count) && Number(count) >= 1 && Number(count) <= state.texts.maxSheetQuestions;
    return valid ? Number(count) : 0;
  }

  function openSheet(html) {
    const url = URL.createObjectURL(new Blob([html], { type: 'text/html;charset=utf-8' }));
    window.open(url, '_blank');
    // Revoked later, not at once: the new tab may not have loaded it yet.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  function printWorksheet() {
    const html = sheetCount() ? Session.worksheet(sheetCount(), $('formulas').checked, $('pictures').checked, $('sheet-parts').value) : '';
    Controls.notice({ sheet: html ? '' : Words.problems.sheet(state.texts.maxSheetQuestions) });
    if (html) openSheet(html);
  }

  function isControl(target) {
    return target.closest('button, input, select, a, textarea, label, summary, dialog') !== null;
  }

  // Where a typed letter is text, or picks an option, rather than a key of
  // the page's own; and while a question is asked, nothing else acts.
  function takesLetters(e) {
    return e.target.closest('input:not([type="radio"], [type="checkbox"]), textarea, select, [contenteditable]') !== null ||
      document.querySelector('dialog[open]') !== null;
  }

  function wireDrill() {
    $('reveal').addEventListener('click', () => DrillView.advance());
    // Enter or Space anywhere outside a control works the drill, as Enter does
    // on the console; on the button itself the browser already clicks.
    document.addEventListener('keydown', (e) => {
      if (state.program !== 'drill' || $('drill').hidden || e.altKey || e.ctrlKey || e.metaKey) return;
      if ((e.key === 'w' || e.key === 'W') && !takesLetters(e)) return DrillView.why();
      if (isControl(e.target) || (e.key !== 'Enter' && e.key !== ' ')) return;
      e.preventDefault();
      DrillView.advance();
    });
    $('drill-why').addEventListener('click', DrillView.why);
    $('drill-next').addEventListener('click', DrillView.advanceFromEnd);
    $('formulas').addEventListener('change', () => {
      DrillView.showFormulas($('formulas').checked);
      Controls.showSettings();
    });
    $('pictures').addEventListener('change', () => {
      const shown = $('pictures').checked;
      Keeper.setPictures(shown);
      DrillView.showPictures(shown);
      QuizView.showPictures(shown);
      Controls.showSettings();
    });
  }

  function wireQuiz() {
    $('quiz-form').addEventListener('submit', (e) => {
      e.preventDefault();
      QuizView.mark($('answer').value);
    });
    $('quit').addEventListener('click', QuizView.askToEnd);
    $('quiz-why').addEventListener('click', QuizView.why);
    $('quiz-hint-button').addEventListener('click', QuizView.hint);
    // W and H wherever the focus is but in a text box; Alt with them
    // (accesskey) inside it.
    document.addEventListener('keydown', (e) => {
      if (state.program !== 'quiz' || $('quiz').hidden || takesLetters(e) || e.altKey || e.ctrlKey || e.metaKey) return;
      if (e.key === 'w' || e.key === 'W') QuizView.why();
      if (e.key === 'h' || e.key === 'H') QuizView.hint();
    });
    $('repeat').addEventListener('click', sameAgain);
    wireSummary();
    Typing.wire();
  }

  // The ways on from a quiz's end: the questions missed again, on the page
  // or on a worksheet with its key, or a new quiz of the same type.
  function wireSummary() {
    $('practise').addEventListener('click', () => choose(() => {
      state.picks = Summary.missed();
      state.count = Session.picked(state.picks);
    }, {}));
    $('print-missed').addEventListener('click', () => {
      const picks = Summary.missed();
      openSheet(Session.worksheet(Session.picked(picks), false, false, '', picks));
    });
    $('new-quiz').addEventListener('click', freshSession);
  }

  function wireSession() {
    for (const program of ['drill', 'quiz']) {
      $(program + '-type').addEventListener('change', (e) => choose(
        () => { state.type = Number(e.target.value); }, { type: '' },
        () => { e.target.value = String(state.type); }));
    }
    for (const radio of document.querySelectorAll('input[name="program"]')) {
      radio.addEventListener('change', () => choose(() => {
        state.program = radio.value;
        state.type = Number($(state.program + '-type').value);
      }, { program: '', type: '' }, showProgram));
    }
    $('new-seed').addEventListener('click', freshSession);
    $('link').addEventListener('click', sameAgain);
    $('print').addEventListener('click', printWorksheet);
    $('count').addEventListener('input', () => { if (sheetCount()) Controls.notice({ sheet: '' }); });
    window.addEventListener('hashchange', () => {
      if (Platform.active()) return;
      const address = Session.readAddress();
      Controls.askFirst(() => {
        Session.take(address.target);
        Controls.notice({ program: '', seed: '', type: '', count: '', questions: '', kept: '', ...address.problems });
        startSession();
      }, () => history.replaceState(null, '', Session.address()));
    });
    touch.addEventListener('change', showHints);
  }

  function offer(kept, target) {
    const names = Session.typeNames(kept.program);
    $('resume-text').textContent = Words.resume({ ...kept, ...Keeper.totals(kept) }, names[kept.type] ?? '');
    $('resume').hidden = false;
    Controls.showSettings();
    $('resume-yes').onclick = () => (Session.take(kept) ? resumeSession(kept) : startSession());
    $('resume-no').onclick = () => { Session.take(target); startSession(); };
    $('resume-yes').focus();
  }

  const inProgress = (kept) => (kept.program === 'quiz'
    ? Keeper.totals(kept).answered > 0 : kept.number > 1 || kept.revealed);

  // A reload goes on with its kept session; opened at another, or without
  // an address, the page offers to go on with an unfinished one. A kept
  // session that cannot be read, or holds a value out of its range, is
  // named and left.
  function begin() {
    const address = Session.readAddress();
    const stored = Keeper.stored();
    const kept = stored.kept && Session.takes(stored.kept) ? stored.kept : null;
    Controls.notice({ ...address.problems, kept: stored.found && !kept ? Words.storage.unread : '' });
    Session.take(address.target);
    if (kept && inProgress(kept) && Session.isCurrent(kept)) return resumeSession(kept);
    if (kept && inProgress(kept) && !kept.ended) return offer(kept, address.target);
    startSession();
  }

  // What the page says of the browser's storage: a save refused, and
  // another tab's quiz that this tab would overwrite.
  function listenToStorage() {
    Keeper.listen({
      saved: (problem) => Controls.notice({ saving: problem ? Words.storage[problem] : '' }),
      rival: (other) => Controls.ask(Words.rival(other), Words.goOnHere, Words.leaveIt, () => Keeper.settle(true), () => {
        Keeper.settle(false);
        Controls.notice({ saving: Words.storage.elsewhere });
      }),
    });
  }

  // In a learning platform the package names the session, and a resumed
  // attempt goes on with the one the platform kept for it; nothing the
  // student could choose there would change what the gradebook receives.
  function beginIn({ session, kept }) {
    for (const id of ['programs', 'drill-type', 'quiz-type']) $(id).disabled = true;
    for (const id of ['new-seed', 'link']) $(id).hidden = true;
    Keeper.sendTo(Platform.report);
    const packaged = Session.readAddress(session);
    Controls.notice(packaged.problems);
    Session.take(packaged.target);
    // A package without a seed takes a fresh one each attempt, and keeps it.
    const seed = packaged.seeded ? kept?.seed : Session.state.seed;
    if (kept && Session.isCurrent({ ...kept, seed }) && Session.take(kept)) return resumeSession(kept);
    startSession();
  }

  function showTexts(texts) {
    $('drill-intro').textContent = texts.drillIntro;
    for (const label of document.querySelectorAll('.menu-question')) label.textContent = texts.menuQuestion;
    Typing.fill(texts.typingNotes);
    showHints();
  }

  createCore().then((core) => {
    Object.assign(state, { core, texts: core.texts() });
    showTexts(state.texts);
    fillTypes($('drill-type'), core.reactionTypeNames());
    fillTypes($('quiz-type'), core.questionTypeNames());
    Controls.wire();
    wireDrill();
    wireQuiz();
    wireSession();
    const attempt = Platform.start();
    if (attempt) beginIn(attempt);
    else {
      listenToStorage();
      begin();
    }
    $('loading').hidden = true;
    setTimeout(() => core.prepare(), 0);
  }, (error) => {
    $('loading').textContent = Words.failed(error);
  });
})();
