// The learning platform the page may run in, through the SCORM 1.2 run-time
// that a platform puts in a window above the page or in the one that opened
// it. There the session is the package's: after every change its status,
// time and what resumes it go to the platform, and its score only once it
// is over, so that no platform can grade an attempt the student means to
// go on with; a platform that refuses any of it costs one quiet line, never
// the session. Without one, nothing here acts.
const Platform = (() => {
  'use strict';
  // As far up as the standard's own search goes, and what SCORM 1.2 keeps.
  const maxLevels = 7;
  const maxSuspend = 4096;
  const maxCentiseconds = 9999 * 360000 + 359999;
  let api = null;
  let mastery = 70;
  let startedAt = 0;
  let finished = false;
  let warned = false;
  let refused = false;

  // The run-time of `win` or of a window above it. A window of another
  // origin throws when asked; one above it may still be the platform's.
  function search(win) {
    for (let level = 0; win && level <= maxLevels; ++level) {
      try {
        if (win.API && typeof win.API.LMSInitialize === 'function') return win.API;
      } catch {
        // Another origin: look further up.
      }
      if (win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function find() {
    try {
      return search(window) ?? (window.opener ? search(window.opener) : null);
    } catch {
      return null;
    }
  }

  // The quiet line, shown at the first refusal and gone once a whole
  // report is saved again.
  function warn() {
    refused = true;
    if (warned) return;
    warned = true;
    document.getElementById('platform-status').textContent = Words.platformFailed;
  }

  function saved() {
    if (refused || !warned) return;
    warned = false;
    document.getElementById('platform-status').textContent = '';
  }

  // A call that changes what the platform keeps: anything but "true" with
  // no error, an exception included, is a refusal.
  function write(name, ...args) {
    try {
      if (String(api[name](...args)) !== 'true' || Number(api.LMSGetLastError()) !== 0) warn();
    } catch {
      warn();
    }
  }

  // What the platform holds for `element`, or '' where it has nothing; a
  // value missing here is no fault of the platform's.
  function read(element) {
    try {
      const value = api.LMSGetValue(element);
      return typeof value === 'string' ? value : '';
    } catch {
      return '';
    }
  }

  function timespan(ms) {
    const cs = Math.min(Math.max(Math.round(ms / 10), 0), maxCentiseconds);
    const pad = (n, width) => String(n).padStart(width, '0');
    return pad(Math.floor(cs / 360000), 4) + ':' + pad(Math.floor(cs / 6000) % 60, 2) + ':' +
      pad(Math.floor(cs / 100) % 60, 2) + '.' + pad(cs % 100, 2);
  }

  // The questions that count towards the score: answered right in the
  // quiz; in the drill, whose answers are not marked, those seen.
  function done(r) {
    if (r.program === 'quiz') return Keeper.totals(r).right;
    return Math.max(r.number - (r.revealed ? 0 : 1), 0);
  }

  const score = (r) => (r.count ? Math.min(Math.round((100 * done(r)) / r.count), 100) : 0);
  const over = (r) => r.ended || (r.program === 'drill' && r.count > 0 && done(r) >= r.count);

  // The session as it resumes, within what the platform keeps: the oldest
  // of the answers shown again go first.
  function suspendData(r) {
    const kept = { ...r, recent: [...r.recent] };
    let text = JSON.stringify(kept);
    while (text.length > maxSuspend && kept.recent.length) {
      kept.recent.shift();
      text = JSON.stringify(kept);
    }
    return text.length <= maxSuspend ? text : '';
  }

  function finish() {
    if (!api || finished) return;
    finished = true;
    write('LMSSetValue', 'cmi.core.session_time', timespan(Date.now() - startedAt));
    write('LMSFinish', '');
  }

  // The session `r` as the platform keeps it. Unfinished, it has no score:
  // a platform that weighs a score against its mastery score when the
  // student leaves (Moodle does by default) would fail the attempt and
  // reopen it for review only.
  function kept(r, ended) {
    const always = { 'cmi.core.session_time': timespan(Date.now() - startedAt), 'cmi.suspend_data': suspendData(r) };
    if (!ended) return { 'cmi.core.lesson_status': 'incomplete', ...always, 'cmi.core.exit': 'suspend' };
    const raw = score(r);
    return {
      'cmi.core.score.min': '0',
      'cmi.core.score.max': '100',
      'cmi.core.score.raw': String(raw),
      'cmi.core.lesson_status': raw >= mastery ? 'passed' : 'failed',
      ...always,
      'cmi.core.exit': '',
    };
  }

  // Sends the session `r`; once it is over, with its score and verdict, and
  // the attempt is finished.
  function report(r) {
    if (!api || finished) return;
    const ended = over(r);
    refused = false;
    for (const [element, value] of Object.entries(kept(r, ended))) write('LMSSetValue', element, value);
    write('LMSCommit', '');
    saved();
    if (ended) finish();
  }

  // The mastery score the platform took from the package, if it gives one.
  function readMastery() {
    const given = read('cmi.student_data.mastery_score');
    if (/^\d{1,3}(\.\d{1,4})?$/.test(given) && Number(given) <= 100) mastery = Number(given);
  }

  // The platform's attempt, or null without a platform: the session the
  // package names and, on a resumed attempt, the session kept there.
  function start() {
    api = find();
    if (!api) return null;
    startedAt = Date.now();
    write('LMSInitialize', '');
    readMastery();
    const data = read('cmi.core.entry') === 'resume' ? read('cmi.suspend_data') : '';
    window.addEventListener('pagehide', finish);
    const meta = document.querySelector('meta[name="reaction-drill-session"]');
    return { session: meta?.content ?? '', kept: data.length <= maxSuspend ? Keeper.read(data) : null };
  }

  return { start, report, active: () => api !== null };
})();
