// The SCORM package in a real SCORM 1.2 run-time (scorm-again) as a platform
// runs it: the package made by the teacher's command, its manifest checked
// against the schemas it carries, its page worked by keyboard in a frame.
// From web/: PAGE=../build-web/reaction-drill.html QUIZ=../build/quiz/formula-quiz node --test test/scorm.test.mjs
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import { chromium } from 'playwright-core';

const { PAGE, QUIZ, CMAKE = 'cmake', XMLLINT = 'xmllint', CHROMIUM = '/usr/bin/chromium' } = process.env;
// The quiz's number of types, as the web build wrote it beside the page.
const quizTypes = Number(fs.readFileSync(`${PAGE.replace(/[^/]*$/, '')}session_ranges.cmake`, 'utf8').match(/set\(QUIZ_TYPES (\d+)\)/)[1]);
const dir = fs.mkdtempSync(`${os.tmpdir()}/scorm-`);
const pack = (...args) => execFileSync(CMAKE, [...args.map((a) => '-D' + a), `-DPAGE=${PAGE}`, '-P', 'scorm_package.cmake'], { stdio: 'pipe' });
let browser;
before(async () => {
  pack('PROGRAM=quiz', 'SEED=042', 'TYPE=2', 'COUNT=3', `OUT=${dir}/quiz.zip`);
  execFileSync(CMAKE, ['-E', 'tar', 'xf', 'quiz.zip'], { cwd: dir });
  fs.copyFileSync('node_modules/scorm-again/dist/scorm12.min.js', `${dir}/scorm12.js`);
  fs.writeFileSync(`${dir}/host.html`, '<!DOCTYPE html><title>platform</title><script src="scorm12.js"></script>');
  // File pages share one origin only with this switch, as a platform's pages share its server.
  browser = await chromium.launch({ executablePath: CHROMIUM, args: ['--no-sandbox', '--allow-file-access-from-files'] });
});
after(() => { fs.rmSync(dir, { recursive: true }); return browser?.close(); });

test('the manifest is valid against the schemas in the package; bad choices are refused in one line', () => {
  execFileSync(XMLLINT, ['--noout', '--schema', 'adlcp_rootv1p2.xsd', 'imsmanifest.xml'], { cwd: dir, stdio: 'pipe' });
  assert.match(fs.readFileSync(`${dir}/imsmanifest.xml`, 'utf8'), /<title>reaction-drill: formula-quiz --seed 42 --type 2 --count 3<\/title>/);
  for (const bad of ['PROGRAM=chess', 'SEED=18446744073709551616', 'SEED=4x', `TYPE=${quizTypes + 1}`, 'COUNT=0']) {
    assert.throws(() => pack(bad, `OUT=${dir}/bad.zip`), (e) => /scorm_package: /.test(e.stderr) && e.status !== 0, bad);
  }
});

// The host page's run-time as Moodle starts a package by default: the
// mastery score overrides the status at the end, the attempt counts for
// credit in normal mode, and the manifest's mastery score is loaded
// (scorm-again overrides only with all three); loaded with `data` too (a
// resumed attempt), or refusing everything, around the package's page.
async function attempt(data = {}, refusing = false) {
  const mastery = fs.readFileSync(`${dir}/imsmanifest.xml`, 'utf8').match(/<adlcp:masteryscore>(\d+)</)[1];
  const start = { ...data, core: { credit: 'credit', lesson_mode: 'normal', ...data.core }, student_data: { mastery_score: mastery } };
  const context = await browser.newContext();
  const problems = [];
  await context.route(/^(?!file:)/, (route) => { problems.push(route.request().url()); return route.abort(); });
  context.on('weberror', (e) => problems.push(e.error().message));
  const page = await context.newPage();
  await page.goto(`file://${dir}/host.html`);
  await page.evaluate(({ start, refusing }) => {
    window.API = new window.Scorm12API({ logLevel: 5, mastery_override: true });
    Object.assign(window, { calls: [], sent: {} });
    for (const call of ['LMSInitialize', 'LMSCommit', 'LMSFinish']) window.API.on(call, () => window.calls.push(call));
    window.API.on('LMSSetValue.cmi.*', (element, value) => { window.sent[element] = value; });
    window.API.loadFromJSON(start);
    if (refusing) for (const call of ['LMSInitialize', 'LMSSetValue', 'LMSCommit', 'LMSFinish']) window.API[call] = () => 'false';
    document.body.append(Object.assign(document.createElement('iframe'), { src: 'reaction-drill.html' }));
  }, { start, refusing });
  const frame = await (await page.waitForSelector('iframe')).contentFrame();
  await frame.waitForSelector('#quiz-question:not(:empty)');
  const answer = async (typed) => { await frame.focus('#answer'); await page.keyboard.type(typed); await page.keyboard.press('Enter'); };
  const recorded = () => page.evaluate(() => ({ cmi: JSON.parse(JSON.stringify(window.API.cmi)), calls: window.calls, sent: window.sent }));
  return { page, frame, answer, recorded, close: async () => { await context.close(); assert.deepEqual(problems, []); } };
}

// Left unfinished, the attempt stays incomplete and without a score, which
// a platform resumes for credit; the score and its verdict come at the end.
test('a quiz in the run-time: status, time and suspend data, then resumed where it stopped and scored', async () => {
  const rights = [...execFileSync(QUIZ, ['-s', '42', '-t', '2', '-n', '3'], { input: '?\n?\n?\n' }).toString().matchAll(/answer is (\S+)$/gm)].map((m) => m[1]);
  const first = await attempt();
  for (const typed of [rights[0], 'H2O']) await first.answer(typed);
  await first.page.evaluate(() => document.querySelector('iframe').remove());
  const { cmi, calls, sent } = await first.recorded();
  assert.deepEqual([cmi.core.lesson_status, cmi.core.score.raw, cmi.core.exit, Object.keys(sent).filter((e) => e.includes('score'))], ['incomplete', '', 'suspend', []]);
  assert.match(sent['cmi.core.session_time'], /^\d{4}:\d{2}:\d{2}\.\d{2}$/);
  assert.deepEqual([calls[0], calls.filter((c) => c === 'LMSCommit').length, calls.at(-1), JSON.parse(cmi.suspend_data).recent], ['LMSInitialize', 3, 'LMSFinish', [rights[0], 'H2O']]);
  await first.close();

  const again = await attempt({ core: { entry: 'resume', lesson_status: 'incomplete' }, suspend_data: cmi.suspend_data });
  const shown = [await again.frame.textContent('#quiz-number'), await again.frame.textContent('#score'), await again.frame.isDisabled('#quiz-type')];
  assert.match(shown.join('|'), /^Question 3 of 3:\|Score: 1 of 2 answers right, .*\|true$/);
  await again.answer(rights[2]);
  const end = await again.recorded();
  assert.deepEqual([end.sent['cmi.core.lesson_status'], end.cmi.core.lesson_status, end.cmi.core.score.raw, end.cmi.core.exit, end.calls.at(-1)], ['failed', 'failed', '67', '', 'LMSFinish']);
  await again.close();
});

test('a run-time that refuses every call: the quiz goes on, with one quiet line', async () => {
  const refused = await attempt({}, true);
  for (const typed of ['H2O', 'H2O']) await refused.answer(typed);
  const shown = [await refused.frame.textContent('#verdict-of'), await refused.frame.textContent('#platform-status')];
  assert.deepEqual(shown, ['Question 2:', 'The score could not be saved in the learning platform.']);
  await refused.close();
});
