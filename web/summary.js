// The end of a quiz: right, close and wrong answers in all and by type of
// question, and the link to the same questions again.
const Summary = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);

  function row(name, counts) {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = name;
    tr.appendChild(th);
    for (const n of counts) tr.insertCell().textContent = String(n);
    return tr;
  }

  function show() {
    const kept = Keeper.current();
    const totals = Keeper.totals(kept);
    const names = Session.typeNames('quiz');
    const rows = Object.keys(kept.tally).map(Number).sort((a, b) => a - b)
      .map((type) => row(names[type], kept.tally[type]));
    if (rows.length > 1) rows.push(row(Words.allTypes, [totals.right, totals.close, totals.wrong]));
    $('summary-table').tBodies[0].replaceChildren(...rows);
    $('summary-table').hidden = !totals.answered;
    $('summary-line').textContent = totals.answered ? Words.score(totals) : Words.noAnswers;
    $('repeat').href = Session.address();
    $('repeat').textContent = Words.repeat(Session.state.seed);
    $('summary').hidden = false;
    $('summary').focus();
  }

  function hide() {
    $('summary').hidden = true;
  }

  return { show, hide };
})();
