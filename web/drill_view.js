// The drill on the page: the question, then on Enter, Space or the button
// its answer, with the formula equations while they are asked for.
const DrillView = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  let pending = null;
  let revealed = false;

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

  function next(session) {
    pending = session.next();
    $('drill-question').innerHTML = pending.question.html;
    $('drill-answer').replaceChildren();
    revealed = false;
    $('reveal').textContent = 'Reveal the answer';
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
    revealed = true;
    $('reveal').textContent = 'Next question';
  }

  // Reveals the answer, or once it is shown asks the next question.
  function advance(session) {
    if (revealed) next(session);
    else reveal();
  }

  function showFormulas(shown) {
    const equations = $('drill-equations');
    if (equations) equations.hidden = !shown;
  }

  return { next, advance, showFormulas };
})();
