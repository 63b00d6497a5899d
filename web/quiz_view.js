// The quiz on the page: the newest verdict, the question and its answer box
// together in one card; the score below, the earlier questions below that,
// newest first; and at the end the summary.
const QuizView = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  let asked = null;
  let number = 0;
  let reasons = [];
  let picture = '';

  // The hint or the reasons, below a heading, in the live region beneath
  // the card's buttons.
  function help(heading, lines) {
    const box = $('quiz-help');
    box.replaceChildren();
    for (const [k, text] of [heading, ...lines].entries()) {
      const p = document.createElement('p');
      p.className = 'line';
      p.style.paddingLeft = k > 0 ? '1em' : '0';
      p.textContent = text;
      box.appendChild(p);
    }
  }

  // The question goes into the live region after the verdict, so a screen
  // reader reads both, and the answer box is labelled by it.
  function ask(question, n) {
    asked = question;
    number = n;
    $('quiz-number').textContent = Words.question(n, Session.state.count);
    $('quiz-question').innerHTML = question.html;
    $('quiz-prompt').textContent = question.prompt;
    $('answer').value = '';
    $('quiz-hint-button').hidden = !question.hints;
    Typing.fit(question);
  }

  function hint() {
    if (asked?.hints) help(Words.hint, Session.state.asking.hint());
  }

  function why() {
    if (reasons.length) help(Words.why, reasons);
  }

  function paragraph(className, html) {
    const p = document.createElement('p');
    p.className = className;
    p.innerHTML = html;
    return p;
  }

  function remember(n, question, typed, result) {
    const item = document.createElement('li');
    item.value = n;
    const answer = paragraph('a', '');
    answer.textContent = Words.typedAs(question.prompt, typed);
    item.append(paragraph('q', question.html), answer, paragraph('v ' + result.grade, result.html));
    const list = $('history');
    list.prepend(item);
    if (list.children.length > Keeper.maxRecent) list.lastElementChild.remove();
    $('earlier').hidden = false;
  }

  function showScore() {
    const totals = Keeper.totals(Keeper.current());
    $('score').textContent = totals.answered ? Words.score(totals) : '';
  }

  // The particle picture of the newest verdict's reaction, from the core's
  // SVG, or none.
  function showPictures(shown) {
    $('quiz-picture').innerHTML = shown ? picture : '';
  }

  function settle(n, question, typed, result) {
    $('verdict-of').textContent = Words.answerTo(n);
    $('verdict').innerHTML = result.html;
    $('verdict-atoms').innerHTML = result.atoms;
    picture = result.picture;
    showPictures($('pictures').checked);
    $('verdict-line').className = result.grade;
    $('verdict-line').hidden = false;
    remember(n, question, typed, result);
    showScore();
  }

  // The card wholly in view, as far as the window holds it.
  function keepInView() {
    const card = $('quiz-card');
    const box = card.getBoundingClientRect();
    if (box.top < 0 || box.bottom > innerHeight) card.scrollIntoView({ block: box.height > innerHeight ? 'start' : 'nearest' });
  }

  function end() {
    Keeper.ended();
    $('quiz-card').hidden = true;
    $('score').textContent = '';
    Summary.show();
  }

  // Marks the answer, or ends the quiz for quit, as the console does; the
  // answer box keeps the focus, so a phone's keyboard stays open.
  function mark(typed) {
    const result = Session.state.asking.mark(typed);
    if (result.quit) return end();
    if (result.hint) {
      $('answer').value = '';
      return help(Words.hint, result.hint);
    }
    Keeper.answered(asked.type, result.grade, typed, result.afterHint);
    reasons = result.reasons;
    $('quiz-why').hidden = reasons.length === 0;
    $('quiz-help').replaceChildren();
    settle(number, asked, typed, result);
    if (Session.state.count && number >= Session.state.count) return end();
    ask(Session.state.asking.next(), number + 1);
    if (document.activeElement !== $('answer')) $('answer').focus({ preventScroll: true });
    keepInView();
  }

  function clear() {
    $('history').replaceChildren();
    $('earlier').hidden = true;
    $('verdict-of').textContent = '';
    $('verdict').textContent = '';
    $('verdict-atoms').replaceChildren();
    picture = '';
    showPictures(false);
    $('verdict-line').className = '';
    $('verdict-line').hidden = true;
    $('score').textContent = '';
    $('quiz-card').hidden = false;
    $('quiz-why').hidden = true;
    $('quiz-help').replaceChildren();
    reasons = [];
    Summary.hide();
  }

  function start() {
    Session.restart();
    Keeper.begin(Session.state);
    clear();
    ask(Session.state.asking.next(), 1);
  }

  // The kept quiz `kept`: its last answers asked and marked again for the
  // earlier questions and the newest verdict, then its next question.
  function resume(kept) {
    Session.restart();
    Keeper.adopt(kept);
    clear();
    const asking = Session.state.asking;
    const answered = Keeper.totals(kept).answered;
    const first = answered - kept.recent.length;
    asking.skip(first);
    kept.recent.forEach((typed, k) => {
      const question = asking.next();
      const result = asking.mark(typed);
      if (!result.quit) settle(first + k + 1, question, typed, result);
    });
    if (kept.ended) return end();
    ask(asking.next(), answered + 1);
  }

  return { start, mark, end, resume, hint, why, showPictures };
})();
