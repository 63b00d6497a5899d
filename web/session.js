// The session the page is in: program, seed, type and count, or the
// questions of the seed it asks again by number, read from and kept in the
// address, and the core's session object that asks its questions.
const Session = (() => {
  'use strict';
  const state = { core: null, program: 'drill', seed: '0', type: 0, count: 0, picks: '', asking: null };

  function typeNames(program) {
    return program === 'quiz' ? state.core.questionTypeNames() : state.core.reactionTypeNames();
  }

  // The address of the session, or of `s`, as the worksheets write it.
  function address(s = state) {
    return state.core.pageAddress('', s.program, s.seed, s.type, s.count, s.picks);
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
    state.asking = state.program === 'quiz' ? new state.core.QuizSession(state.seed, state.type, state.picks)
      : new state.core.DrillSession(state.seed, state.type);
    history.replaceState(null, '', address());
    return state.asking;
  }

  // Whether `s` names the session the page is in.
  function isCurrent(s) {
    return Keeper.sameSession(s, state);
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

  // The questions a quiz asks again, as the core keeps them ('' for all),
  // and their number.
  function readPicks(program, picks, problems) {
    const read = picks === null || program !== 'quiz' ? '' : state.core.canonicalPicks(picks);
    if (picks !== null && program === 'quiz' && !read) {
      problems.questions = Words.problems.questions(picks, state.texts.maxQuestionNumber);
    }
    return read;
  }

  const picked = (picks) => (picks ? picks.split(',').length : 0);

  // The session the address names (or `text`, in the same form), and what
  // was wrong with it, by what it was about: each bad value replaced by the
  // default (the drill, a fresh seed, random questions, no count, every
  // question).
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
    const picks = readPicks(program, params.get('questions'), problems);
    const count = picks ? picked(picks) : readCount(params.get('count'), problems);
    return { target: { program, seed: given || state.core.freshSeed(), type, count, picks }, problems, seeded: !!given };
  }

  // Whether `s`, a kept session included, is one the core can ask: each
  // value in its range, as the address is read.
  function takes(s) {
    const picks = s.picks ?? '';
    return state.core.canonicalSeed(s.seed) === s.seed && s.type < typeNames(s.program).length &&
      s.count <= state.texts.maxCount && (picks === '' || (s.program === 'quiz' &&
        state.core.canonicalPicks(picks) === picks && s.count === picked(picks)));
  }

  // Takes program, seed, type, count and picks from `s` if takes(s);
  // returns whether it did.
  function take(s) {
    if (!takes(s)) return false;
    Object.assign(state, { program: s.program, seed: s.seed, type: s.type, count: s.count, picks: s.picks ?? '' });
    return true;
  }

  // The HTML worksheet of the session with `count` questions, or those
  // `picks` numbers ('' for the session's own), or an empty text for a
  // count the core does not take. Opened from disk, the sheet cannot link
  // to the page, since the browser opens no file from the sheet.
  function worksheet(count, formulas, pictures, parts, picks = state.picks) {
    const linked = location.protocol !== 'file:';
    return state.program === 'drill'
      ? state.core.drillWorksheet(state.seed, state.type, count, formulas, pictures, parts, page(), linked)
      : state.core.quizWorksheet(state.seed, state.type, count, parts, page(), picks, linked);
  }

  return { state, typeNames, address, restart, isCurrent, readAddress, takes, take, worksheet, picked };
})();
