// The session the page is in: program, seed, type and count, read from and
// kept in the address, and the core's session object that asks its
// questions.
const Session = (() => {
  'use strict';
  const state = { core: null, program: 'drill', seed: '0', type: 0, count: 0, asking: null };

  function typeNames(program) {
    return program === 'quiz' ? state.core.questionTypeNames() : state.core.reactionTypeNames();
  }

  // The address of the session, or of `s`, as the worksheets write it.
  function address(s = state) {
    return state.core.pageAddress('', s.program, s.seed, s.type, s.count);
  }

  // The page as a worksheet names it: its own address where it is served;
  // opened from disk, only its file's name, since the path is this
  // machine's own.
  function page() {
    if (location.protocol !== 'file:') return location.href.split('#')[0];
    try {
      return decodeURIComponent(location.pathname.split('/').pop());
    } catch {
      return '';
    }
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

  // Whether `s` names the session the page is in.
  function isCurrent(s) {
    return ['program', 'seed', 'type', 'count'].every((k) => s[k] === state[k]);
  }

  function readType(program, type, problems) {
    const highest = typeNames(program).length - 1;
    const valid = /^\d{1,9}$/.test(type) && Number(type) <= highest;
    if (type !== null && !valid) problems.type = Words.problems.type(type, highest);
    return valid ? Number(type) : 0;
  }

  function readCount(count, problems) {
    const max = state.texts.maxCount;
    const valid = /^\d{1,10}$/.test(count) && Number(count) >= 1 && Number(count) <= max;
    if (count !== null && !valid) problems.count = Words.problems.count(count, max);
    return valid ? Number(count) : 0;
  }

  // The session the address names (or `text`, in the same form), and what
  // was wrong with it, by what it was about: each bad value replaced by the
  // default (the drill, a fresh seed, random questions, no count).
  function readAddress(text = location.hash.slice(1)) {
    const params = new URLSearchParams(text);
    const problems = {};
    const asked = params.get('program') || 'drill';
    const program = asked === 'quiz' ? 'quiz' : 'drill';
    if (asked !== program) problems.program = Words.problems.program(asked);
    const seed = params.get('seed');
    const given = seed === null ? '' : state.core.canonicalSeed(seed);
    if (seed !== null && !given) problems.seed = Words.problems.seed(seed, state.texts.maxSeed);
    const type = readType(program, params.get('type'), problems);
    const count = readCount(params.get('count'), problems);
    return { target: { program, seed: given || state.core.freshSeed(), type, count }, problems, seeded: !!given };
  }

  // Takes program, seed, type and count from `s`, a kept session included,
  // if it is one the core can ask; returns whether it was.
  function take(s) {
    if (state.core.canonicalSeed(s.seed) !== s.seed || s.type >= typeNames(s.program).length) return false;
    Object.assign(state, { program: s.program, seed: s.seed, type: s.type, count: s.count });
    return true;
  }

  // The HTML worksheet of the session with `count` questions, or an empty
  // text for a count the core does not take.
  function worksheet(count, formulas, pictures, parts) {
    return state.program === 'drill'
      ? state.core.drillWorksheet(state.seed, state.type, count, formulas, pictures, parts, page())
      : state.core.quizWorksheet(state.seed, state.type, count, parts, page());
  }

  return { state, typeNames, address, restart, isCurrent, readAddress, take, worksheet };
})();
