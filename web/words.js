// The words the page's scripts write that the console programs do not say,
// or say for a terminal: all of them here. What the page shares with the
// console comes from the core (texts(), the sessions and the worksheets),
// and the page's fixed labels stand in template.html.
const Words = (() => {
  'use strict';
  const plural = (n, one, many) => n + ' ' + (n === 1 ? one : many);

  return Object.freeze({
    reveal: 'Reveal the answer',
    next: 'Next question',
    again: 'Start again',
    // The hints, for a keyboard and for a touch screen.
    drillHint: {
      keyboard: 'Press Enter or Space to reveal the answer, and again for the next question.',
      touch: 'Tap Reveal the answer, then Next question.',
    },
    quizHint: {
      keyboard: 'Type each answer and press Enter. End the quiz shows how you did.',
      touch: 'Type each answer and tap Mark. End the quiz shows how you did.',
    },
    // What End the quiz asks first, and its answers.
    ending: (answered, count, typed) => 'End the quiz now? ' + answered + (count ? ' of ' + count : '') +
      ' answered.' + (typed ? ' The answer in the box will not be marked.' : ''),
    endIt: 'End the quiz',
    keepGoing: 'Keep going',
    programs: { drill: 'Reaction drill', quiz: 'Formula quiz' },
    formulasShown: (shown) => (shown ? 'formula equations shown' : 'no formula equations'),
    particlesShown: 'particles shown',
    question: (n, count) => 'Question ' + n + (count ? ' of ' + count : '') + ':',
    answerTo: (n) => 'Question ' + n + ':',
    lastOfDrill: (count) => 'That was the last of the ' + plural(count, 'question', 'questions') + '.',
    // Only an answer marked "Correct." counts: the score line says so.
    score: (t) => 'Score: ' + t.right + ' of ' + plural(t.answered, 'answer', 'answers') + ' right' +
      (t.afterHint ? ' (' + t.afterHint + ' after a hint)' : '') + ', ' +
      t.close + ' close, ' + t.wrong + ' wrong. Only an answer marked "Correct." counts as right.',
    why: 'Why:',
    hint: 'Hint:',
    noAnswers: 'No question was answered.',
    repeat: (seed) => 'The same questions again (seed ' + seed + ')',
    share: (n, percent) => n + ' (' + percent + '%)',
    chart: (lines) => 'Bar chart of the answers. ' + lines.join('. ') + '.',
    resume: (r, typeName) => 'You have an unfinished ' + (r.program === 'quiz' ? 'quiz' : 'drill') +
      ' of seed ' + r.seed + ', ' + typeName + ': ' +
      (r.program === 'quiz' ? plural(r.answered, 'answer', 'answers') + ', ' + r.right + ' right.'
        : 'question ' + r.number + '.') + ' Continue it?',
    losing: (answered) => 'This starts a new session: ' + (answered ? 'the ' +
      plural(answered, 'answer', 'answers') + ' of this quiz and its score will be gone.'
      : 'the answer in the box will not be marked.'),
    newSession: 'Start the new session',
    keepSession: 'Keep this one',
    // Another tab keeps a quiz in the same storage as this one.
    rival: (r) => 'Another tab is in a quiz of seed ' + r.seed + ' with ' + plural(r.answered, 'answer', 'answers') +
      '. Go on here, and that quiz will no longer be kept?',
    goOnHere: 'Go on here',
    leaveIt: 'Keep the other tab\'s',
    storage: {
      unread: 'Your last session could not be read; a new one has started.',
      full: 'This browser is not keeping your answers: its storage is full.',
      refused: 'This browser is not keeping your answers.',
      elsewhere: 'This tab\'s answers are not kept: another tab\'s quiz is.',
    },
    problems: {
      program: (p) => 'There is no program "' + p + '"; showing the drill.',
      seed: (s, max) => 'The seed "' + s + '" is not a number from 0 to ' + max + '; using a fresh seed.',
      type: (t, highest) => 'The type "' + t + '" is not one of 0 to ' + highest + '; asking questions of random types.',
      count: (c, max) => 'The count "' + c + '" is not a number from 1 to ' + max + '; asking questions until you stop.',
      questions: (q, max) => 'The questions "' + q + '" are not numbers from 1 to ' + max +
        ', rising, separated by commas; asking every question.',
      sheet: (max) => 'The number of questions on the worksheet must be a whole number from 1 to ' + max + '.',
    },
    platformFailed: 'The score could not be saved in the learning platform.',
    failed: (error) => 'The page could not start: ' + error,
  });
})();
