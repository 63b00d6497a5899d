// The quiz on the page: the newest verdict with its reasons, the question
// and its answer box together in one card; the score below, the earlier
// questions below that, newest first; and at the end the summary.
const QuizView = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  let asked = null;
  let number = 0;
  let reasons = [];
  let pictured = false;  // a verdict is shown, whose picture the core keeps

  // `lines` of the core's, each {text, html}, below `heading` in `box`.
  function fill(box, heading, lines) {
    box.replaceChildren();
    for (const [k, line] of [{ html: heading }, ...lines].entries()) {
      const p = document.createElement('p');
      p.className = 'line';
      p.style.paddingLeft = k > 0 ? '1em' : '0';
      p.innerHTML = line.html;
      box.appendChild(p);
    }
    box.hidden = false;
  }

  // The answer box in view again, and the focus in it, so that a phone's
  // keyboard stays open whatever was pressed.
  // Above a phone's keyboard, where the window shows one.
  function backToAnswer() {
    const box = $('answer');
    if (document.activeElement !== box) box.focus({ preventScroll: true });
    const place = box.getBoundingClientRect();
    const top = visualViewport?.offsetTop ?? 0;
    const bottom = top + (visualViewport?.height ?? innerHeight);
    const margin = 8;
    if (place.bottom > bottom) scrollBy(0, place.bottom - bottom + margin);
    else if (place.top < top) scrollBy(0, place.top - top - margin);
  }

  function showHint(lines) {
    fill($('quiz-help'), Words.hint, lines);
    backToAnswer();
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
    Typing.grow();
    $('quiz-hint-button').hidden = !question.hints;
    $('quiz-help').hidden = true;
    Typing.fit(question);
  }

  function hint() {
    if (asked?.hints) showHint(Session.state.asking.hint());
  }

  // Shows the reasons of the newest verdict under it, or folds them again.
  function why() {
    if (!reasons.length || $('quiz-card').hidden) return;
    const box = $('quiz-reasons');
    const shown = !box.hidden;
    if (shown) box.hidden = true;
    else fill(box, Words.why, reasons);
    $('quiz-why').setAttribute('aria-expanded', String(!shown));
    backToAnswer();
  }

  function paragraph(className, html) {
    const p = document.createElement('p');
    p.className = className;
    p.innerHTML = html;
    return p;
  }

  // The answer as typed, broken only between its words and after a + or an
  // arrow, never inside a formula.
  function typedAnswer(prompt, typed) {
    const answer = paragraph('a', '');
    answer.append(prompt + ' ');
    for (const [k, word] of typed.split(/\s+/).filter(Boolean).entries()) {
      const span = document.createElement('span');
      span.className = 'typed';
      for (const [j, piece] of word.split(/(?<=\+|->|→)(?=.)/).entries()) {
        if (j > 0) span.append(document.createElement('wbr'));
        span.append(piece);
      }
      answer.append(k > 0 ? ' ' : '', span);
    }
    return answer;
  }

  function remember(n, question, typed, result) {
    const item = document.createElement('li');
    item.value = n;
    item.append(paragraph('q', question.html), typedAnswer(question.prompt, typed), paragraph('v ' + result.grade, result.html));
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
  // SVG, or none; drawn only when shown.
  function showPictures(shown) {
    const { program, asking } = Session.state;
    $('quiz-picture').innerHTML = shown && pictured && program === 'quiz' && asking ? asking.picture() : '';
  }

  function settle(n, question, typed, result) {
    $('verdict-of').textContent = Words.answerTo(n);
    $('verdict').innerHTML = result.html;
    $('verdict-atoms').innerHTML = result.atoms;
    pictured = true;
    showPictures($('pictures').checked);
    $('verdict-line').className = result.grade;
    $('verdict-line').hidden = false;
    reasons = result.reasons;
    $('quiz-why').hidden = reasons.length === 0;
    $('quiz-why').setAttribute('aria-expanded', 'false');
    $('quiz-reasons').hidden = true;
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
    $('quit').hidden = true;
    $('score').textContent = '';
    Summary.show();
  }

  // End the quiz asks first, naming how far the quiz got and an answer
  // typed but not marked; kept on, the focus goes back where it was.
  function askToEnd() {
    const totals = Keeper.totals(Keeper.current());
    const typed = $('answer').value.trim() !== '';
    Controls.ask(Words.ending(totals.answered, Session.state.count, typed), Words.endIt, Words.keepGoing, end);
  }

  // Marks the answer, or ends the quiz for quit, as the console does; the
  // answer box keeps the focus, so a phone's keyboard stays open.
  function mark(typed) {
    const result = Session.state.asking.mark(typed);
    if (result.quit) return end();
    if (result.hint) {
      $('answer').value = '';
      return showHint(result.hint);
    }
    Keeper.answered(asked.type, result.grade, typed, result.afterHint, asked.number);
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
    pictured = false;
    showPictures(false);
    $('verdict-line').className = '';
    $('verdict-line').hidden = true;
    $('score').textContent = '';
    $('quiz-card').hidden = false;
    $('quit').hidden = false;
    $('quiz-why').hidden = true;
    $('quiz-reasons').hidden = true;
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

  return { start, mark, end, askToEnd, resume, hint, why, showPictures };
})();
