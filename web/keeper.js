// The session kept in the browser's local storage, so that a reload or a
// closed tab can go on where it stopped: program, seed, type and count, the
// question reached, the score by type and the answers last typed, from
// which the page asks and marks again what it shows, and the questions
// missed. Nothing leaves the machine; where storage is refused or full, the
// page goes on without it and says so, and a tab that would overwrite
// another tab's quiz asks first.
const Keeper = (() => {
  'use strict';
  const key = 'reaction-drill.session';
  // Bounds on what is read back, whoever wrote it: any page opened from
  // disk shares this storage.
  const maxNumber = 100000;
  const maxRecent = 50;
  const maxAnswer = 500;
  // The most questions the core asks again by number (maxPicked).
  const maxMissed = 1000;
  let record = null;
  let sink = null;
  // What the page is told: whether a save failed (null once one succeeds),
  // and another tab's quiz that a save would overwrite.
  let listeners = { saved: () => {}, rival: () => {} };
  let rival = null;
  let kept = true;
  let pictures = false;

  const isCount = (n, max) => Number.isInteger(n) && n >= 0 && n <= max;

  function validTally(tally) {
    return tally !== null && typeof tally === 'object' && Object.entries(tally).every(([type, counts]) =>
      /^[1-9]\d?$/.test(type) && Array.isArray(counts) && counts.length === 3 &&
      counts.every((n) => isCount(n, maxNumber)));
  }

  const isRising = (list) => Array.isArray(list) && list.length <= maxMissed &&
    list.every((n, k) => isCount(n, maxNumber) && n > (k ? list[k - 1] : 0));

  function valid(r) {
    return r !== null && typeof r === 'object' && r.v === 1 && ['drill', 'quiz'].includes(r.program) &&
      typeof r.seed === 'string' && /^\d{1,20}$/.test(r.seed) && isCount(r.type, 99) &&
      isCount(r.count, 4294967295) && isCount(r.number, maxNumber) &&
      typeof r.revealed === 'boolean' && typeof r.ended === 'boolean' && validTally(r.tally) &&
      Array.isArray(r.recent) && r.recent.length <= maxRecent &&
      r.recent.every((a) => typeof a === 'string' && a.length <= maxAnswer) &&
      (r.afterHint === undefined || isCount(r.afterHint, maxNumber)) &&
      (r.pictures === undefined || typeof r.pictures === 'boolean') &&
      (r.picks === undefined || (typeof r.picks === 'string' && /^[\d,]{0,7000}$/.test(r.picks))) &&
      (r.missed === undefined || isRising(r.missed)) &&
      r.recent.length <= totals(r).answered && totals(r).answered <= maxNumber;
  }

  // Storage full or refused: the session goes on, only not kept.
  function save() {
    if (sink) return sink(record);
    if (!kept) return;
    if (rival) return listeners.rival({ ...rival, ...totals(rival) });
    try {
      localStorage.setItem(key, JSON.stringify(record));
      listeners.saved(null);
    } catch (e) {
      listeners.saved(e?.name === 'QuotaExceededError' ? 'full' : 'refused');
    }
  }

  // Whether the records or states `a` and `b` name the same session.
  const sameSession = (a, b) => ['program', 'seed', 'type', 'count', 'picks'].every((k) => a[k] === b[k]);

  // Another tab's write: a quiz of its own, under way, is one this tab's
  // next save would overwrite.
  function heard(e) {
    if (e.key !== key || sink || !record) return;
    const other = read(e.newValue);
    const busy = other && other.program === 'quiz' && !other.ended && totals(other).answered > 0;
    rival = busy && !sameSession(other, record) ? other : null;
  }

  // This tab's session is kept from now on (`here`), over the other tab's
  // quiz, or no longer kept at all.
  function settle(here) {
    rival = null;
    kept = here;
    if (here) save();
  }

  function listen(handlers) {
    listeners = handlers;
    addEventListener('storage', heard);
  }

  // The session kept as `text`, or null where it is not one.
  function read(text) {
    try {
      const r = JSON.parse(text);
      return valid(r) ? { picks: '', missed: [], ...r } : null;
    } catch {
      return null;
    }
  }

  // The kept session, or null where there is none or it is not one;
  // `found` says whether anything was kept.
  function stored() {
    try {
      const text = localStorage.getItem(key);
      return { kept: read(text), found: text !== null };
    } catch {
      return { kept: null, found: false };
    }
  }

  // From now on the session goes to `send`, in place of the browser's
  // storage: a learning platform keeps it there.
  function sendTo(send) {
    sink = send;
  }

  // Right, close and wrong answers of `r`, in all and by type.
  function totals(r) {
    const sum = { right: 0, close: 0, wrong: 0, answered: 0 };
    for (const [right, close, wrong] of Object.values(r.tally)) {
      Object.assign(sum, { right: sum.right + right, close: sum.close + close, wrong: sum.wrong + wrong });
    }
    sum.answered = sum.right + sum.close + sum.wrong;
    sum.afterHint = Math.min(r.afterHint ?? 0, sum.right);
    return sum;
  }

  function begin({ program, seed, type, count, picks }) {
    record = { v: 1, program, seed, type, count, picks, number: 0, revealed: false, ended: false, tally: {}, recent: [], missed: [], pictures };
    save();
  }

  function adopt(r) {
    record = r;
    pictures = r.pictures === true;
  }

  // Whether the particle pictures are shown, a setting kept with the
  // session.
  function setPictures(shown) {
    pictures = shown;
    if (!record) return;
    record.pictures = shown;
    save();
  }

  function asked(number) {
    Object.assign(record, { number, revealed: false });
    save();
  }

  function revealed() {
    record.revealed = true;
    save();
  }

  const gradeColumn = { right: 0, close: 1, wrong: 2 };

  // The answer `typed` to question `number` of the seed, of type `type`.
  function answered(type, grade, typed, afterHint, number) {
    if (afterHint) record.afterHint = (record.afterHint ?? 0) + 1;
    if (grade !== 'right' && record.missed.length < maxMissed && number <= maxNumber) record.missed.push(number);
    const counts = record.tally[type] ?? [0, 0, 0];
    counts[gradeColumn[grade]] += 1;
    record.tally[type] = counts;
    record.recent.push(typed.slice(0, maxAnswer));
    if (record.recent.length > maxRecent) record.recent.shift();
    save();
  }

  function ended() {
    record.ended = true;
    save();
  }

  return {
    read, stored, sendTo, listen, settle, totals, begin, adopt, setPictures, asked, revealed, answered, ended, maxRecent, sameSession,
    current: () => record,
  };
})();
