// The session the page is in: program, seed and type, read from and kept in
// the address, and the core's session object that asks its questions.
const Session = (() => {
  'use strict';
  const state = { core: null, program: 'drill', seed: '0', type: 0, asking: null };

  function typeNames(program) {
    return program === 'quiz' ? state.core.questionTypeNames() : state.core.reactionTypeNames();
  }

  function address() {
    return '#program=' + state.program + '&seed=' + state.seed + '&type=' + state.type;
  }

  // A fresh core session of the program, seed and type; the one before is
  // released.
  function restart() {
    if (state.asking) state.asking.delete();
    const Kind = state.program === 'quiz' ? state.core.QuizSession : state.core.DrillSession;
    state.asking = new Kind(state.seed, state.type);
    history.replaceState(null, '', address());
    return state.asking;
  }

  // Reads program, seed and type from the address; returns what was wrong,
  // each replaced by the default: the drill, a fresh seed, random questions.
  function readAddress() {
    const texts = state.core.texts();
    const params = new URLSearchParams(location.hash.slice(1));
    const problems = [];
    const program = params.get('program') || 'drill';
    state.program = program === 'quiz' ? 'quiz' : 'drill';
    if (program !== state.program) problems.push('There is no program "' + program + '"; showing the drill.');
    const seed = params.get('seed');
    const given = seed === null ? '' : state.core.canonicalSeed(seed);
    state.seed = given || state.core.freshSeed();
    if (seed !== null && !given) {
      problems.push('The seed "' + seed + '" is not a number from 0 to ' + texts.maxSeed + '; using a fresh seed.');
    }
    const type = params.get('type');
    const highest = typeNames(state.program).length - 1;
    const typeValid = /^\d{1,9}$/.test(type) && Number(type) <= highest;
    state.type = typeValid ? Number(type) : 0;
    if (type !== null && !typeValid) {
      problems.push('The type "' + type + '" is not one of 0 to ' + highest + '; asking questions of random types.');
    }
    return problems.join(' ');
  }

  // The HTML worksheet of the session with `count` questions, or an empty
  // text for a count the core does not take.
  function worksheet(count, formulas) {
    return state.program === 'drill'
      ? state.core.drillWorksheet(state.seed, state.type, count, formulas)
      : state.core.quizWorksheet(state.seed, state.type, count);
  }

  return { state, typeNames, address, restart, readAddress, worksheet };
})();
