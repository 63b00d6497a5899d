// The quiz on the page: a question and its answer box, the verdicts so far
// and the score.
const QuizView = (() => {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const score = { right: 0, answered: 0 };
  let core = null;

  function scoreText() {
    return core.scoreLine(score.right, score.answered);
  }

  function next(session) {
    const q = session.next();
    $('quiz-question').textContent = q.question;
    $('quiz-prompt').textContent = q.prompt;
    $('answer').value = '';
  }

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

  function end() {
    $('quiz-form').hidden = true;
    $('verdict').textContent = '';
    $('score').textContent = scoreText();
    $('again').hidden = false;
    $('again').focus();
  }

  // Marks the answer, or ends the quiz for quit, as the console does.
  function mark(session, answer) {
    const result = session.mark(answer);
    if (result.quit) return end();
    score.answered += 1;
    if (result.correct) score.right += 1;
    recordAnswer(answer, result.verdict);
    $('verdict').textContent = result.verdict;
    $('verdict').className = result.correct ? 'right' : 'wrong';
    $('score').textContent = scoreText();
    next(session);
  }

  function start(theCore, session) {
    core = theCore;
    Object.assign(score, { right: 0, answered: 0 });
    $('history').replaceChildren();
    $('verdict').textContent = '';
    $('score').textContent = scoreText();
    $('quiz-form').hidden = false;
    $('again').hidden = true;
    next(session);
  }

  return { start, mark, end };
})();
