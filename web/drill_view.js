// The drill on the page: the question, then on Enter, Space or the button
// its answer, with the formula equations while they are asked for.
const DrillView = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  let pending = null;
  let revealed = false;
  let number = 0;

  const atEnd = () => Session.state.count > 0 && number >= Session.state.count;

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

  // The button under the question and, once the answer is shown, its twin
  // at the answer's end.
  function label() {
    $('reveal').textContent = !revealed ? Words.reveal : atEnd() ? Words.again : Words.next;
    $('drill-next').textContent = $('reveal').textContent;
    $('drill-next').hidden = !revealed;
  }

  // The question goes into its live region, so it is announced with its
  // number.
  function show(question, n) {
    pending = question;
    number = n;
    $('drill-number').textContent = Words.question(n, Session.state.count);
    $('drill-question').innerHTML = question.question.html;
    $('drill-answer').replaceChildren();
    $('drill-picture').replaceChildren();
    $('drill-help').replaceChildren();
    $('drill-why').hidden = true;
    $('drill-why').setAttribute('aria-expanded', 'false');
    revealed = false;
    label();
    Keeper.asked(n);
  }

  // The answer goes into the live region only now, so it is announced.
  function reveal() {
    const box = $('drill-answer');
    renderLines(box, pending.answer);
    const equations = document.createElement('div');
    equations.id = 'drill-equations';
    equations.hidden = !$('formulas').checked;
    renderLines(equations, pending.equations);
    box.appendChild(equations);
    if (atEnd()) renderLines(box, [{ indent: 0, html: Words.lastOfDrill(number) }]);
    revealed = true;
    showPictures($('pictures').checked);
    label();
    $('drill-why').hidden = pending.reasons.length === 0;
    Keeper.revealed();
  }

  // Shows the reasons of the revealed answer, or hides them again.
  function why() {
    if (!revealed || pending.reasons.length === 0) return;
    const box = $('drill-help');
    const shown = box.childElementCount > 0;
    box.replaceChildren();
    if (!shown) renderLines(box, pending.reasons);
    $('drill-why').setAttribute('aria-expanded', String(!shown));
  }

  // A drill session from its first question.
  function start() {
    Session.restart();
    Keeper.begin(Session.state);
    show(Session.state.asking.next(), 1);
  }

  // Reveals the answer, or once it is shown asks the next question; after
  // the last of a counted session, starts it again.
  function advance() {
    if (!revealed) reveal();
    else if (atEnd()) start();
    else show(Session.state.asking.next(), number + 1);
  }

  // The next question from the button at the answer's end: the question
  // back in view, and the focus on the button under it.
  function advanceFromEnd() {
    const fromButton = document.activeElement === $('drill-next');
    advance();
    if (fromButton) $('reveal').focus({ preventScroll: true });
    if ($('drill-card').getBoundingClientRect().top < 0) $('drill-card').scrollIntoView({ block: 'start' });
  }

  // The kept drill `kept`, at the question it had reached.
  function resume(kept) {
    Session.restart();
    Keeper.adopt(kept);
    const n = Math.max(kept.number, 1);
    Session.state.asking.skip(n - 1);
    const wasRevealed = kept.revealed;
    show(Session.state.asking.next(), n);
    if (wasRevealed) reveal();
  }

  // The particle picture of the revealed answer, from the core's SVG, or
  // none.
  function showPictures(shown) {
    $('drill-picture').innerHTML = shown && revealed ? pending.picture : '';
  }

  function showFormulas(shown) {
    const equations = $('drill-equations');
    if (equations) equations.hidden = !shown;
  }

  return { start, advance, advanceFromEnd, resume, showFormulas, showPictures, why };
})();
