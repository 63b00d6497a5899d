// The session kept in the browser's local storage, so that a reload or a
// closed tab can go on where it stopped: program, seed, type and count, the
// question reached, the score by type and the answers last typed, from
// which the page asks and marks again what it shows. Nothing leaves the
// machine; where storage is refused, the page goes on without it.
const Keeper = (() => {
  'use strict';
  const key = 'reaction-drill.session';
  // Bounds on what is read back, whoever wrote it: any page opened from
  // disk shares this storage.
  const maxNumber = 100000;
  const maxRecent = 50;
  const maxAnswer = 500;
  let record = null;
  let sink = null;
  let pictures = false;

  const isCount = (n, max) => Number.isInteger(n) && n >= 0 && n <= max;

  function validTally(tally) {
    return tally !== null && typeof tally === 'object' && Object.entries(tally).every(([type, counts]) =>
      /^[1-9]\d?$/.test(type) && Array.isArray(counts) && counts.length === 3 &&
      counts.every((n) => isCount(n, maxNumber)));
  }

  function valid(r) {
    return r !== null && typeof r === 'object' && r.v === 1 && ['drill', 'quiz'].includes(r.program) &&
      typeof r.seed === 'string' && /^\d{1,20}$/.test(r.seed) && isCount(r.type, 99) &&
      isCount(r.count, 4294967295) && isCount(r.number, maxNumber) &&
      typeof r.revealed === 'boolean' && typeof r.ended === 'boolean' && validTally(r.tally) &&
      Array.isArray(r.recent) && r.recent.length <= maxRecent &&
      r.recent.every((a) => typeof a === 'string' && a.length <= maxAnswer) &&
      (r.afterHint === undefined || isCount(r.afterHint, maxNumber)) &&
      (r.pictures === undefined || typeof r.pictures === 'boolean') &&
      r.recent.length <= totals(r).answered && totals(r).answered <= maxNumber;
  }

  function save() {
    if (sink) return sink(record);
    try {
      localStorage.setItem(key, JSON.stringify(record));
    } catch {
      // Storage full or refused: the session goes on, only not kept.
    }
  }

  // The session kept as `text`, or null where it is not one.
  function read(text) {
    try {
      const r = JSON.parse(text);
      return valid(r) ? r : null;
    } catch {
      return null;
    }
  }

  // The kept session, or null where there is none or it is not one.
  function stored() {
    try {
      return read(localStorage.getItem(key));
    } catch {
      return null;
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

  function begin({ program, seed, type, count }) {
    record = { v: 1, program, seed, type, count, number: 0, revealed: false, ended: false, tally: {}, recent: [], pictures };
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

  function answered(type, grade, typed, afterHint) {
    if (afterHint) record.afterHint = (record.afterHint ?? 0) + 1;
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

  return { read, stored, sendTo, totals, begin, adopt, setPictures, asked, revealed, answered, ended, maxRecent, current: () => record };
})();
