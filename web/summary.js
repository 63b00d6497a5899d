// The end of a quiz: right, close and wrong answers with their shares, in
// all and by type of question, as a bar chart and a table, both from the
// core's totals; and the ways on: the missed questions again, on the page
// or on a worksheet, a new quiz, or the same questions again.
const Summary = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const svg = 'http://www.w3.org/2000/svg';
  const grades = ['right', 'close', 'wrong'];

  function row(r) {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = r.name;
    tr.appendChild(th);
    r.counts.forEach((n, g) => { tr.insertCell().textContent = Words.share(n, r.percents[g]); });
    return tr;
  }

  function shape(name, attributes) {
    const element = document.createElementNS(svg, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    return element;
  }

  // One bar per row, its parts as wide as the row's shares, under the row's
  // name; the core's lines are what a screen reader reads of it.
  function drawChart(rows) {
    const chart = $('summary-chart');
    const width = 300;
    const height = 34;
    chart.replaceChildren();
    chart.setAttribute('viewBox', `0 0 ${width} ${rows.length * height}`);
    chart.setAttribute('aria-label', Words.chart(rows.map((r) => r.line)));
    rows.forEach((r, k) => {
      const label = shape('text', { x: 0, y: k * height + 11, class: 'label' });
      label.textContent = r.name;
      chart.appendChild(label);
      const answered = r.counts.reduce((a, b) => a + b, 0);
      let x = 0;
      r.counts.forEach((n, g) => {
        const w = (width * n) / answered;
        if (w > 0) chart.appendChild(shape('rect', { x, y: k * height + 15, width: w, height: 14, class: grades[g] }));
        x += w;
      });
    });
  }

  function show() {
    const kept = Keeper.current();
    const totals = Keeper.totals(kept);
    const tally = Object.entries(kept.tally).map(([type, counts]) => [Number(type), ...counts]);
    const rows = Session.state.core.quizSummary(tally);
    $('summary-table').tBodies[0].replaceChildren(...rows.map(row));
    $('summary-table').hidden = !totals.answered;
    $('summary-figure').hidden = !totals.answered;
    if (totals.answered) drawChart(rows);
    $('summary-line').textContent = totals.answered ? Words.score(totals) : Words.noAnswers;
    for (const id of ['practise', 'print-missed']) $(id).hidden = !kept.missed?.length;
    $('repeat').href = Session.address();
    $('repeat').textContent = Words.repeat(Session.state.seed);
    $('summary').hidden = false;
    $('summary').focus({ preventScroll: true });
    $('summary').scrollIntoView({ block: 'start' });
  }

  function hide() {
    $('summary').hidden = true;
  }

  // The questions the quiz that ended missed, as the core keeps them.
  const missed = () => (Keeper.current().missed ?? []).join(',');

  return { show, hide, missed };
})();
