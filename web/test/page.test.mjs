// The browser page against the console programs it must agree with: the
// same questions, answers, verdicts, hints, score and worksheets.
// From web/: PAGE=../build-web/reaction-drill.html
// DRILL=../build/drill/reaction-drill QUIZ=../build/quiz/formula-quiz node --test test/page.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { DRILL, QUIZ, open, close, ascii, text } from './browser.mjs';

const MAX_SEED = '18446744073709551615';
// The console's dialogue from its first question on: the page words its
// hints for a browser, and writes a charge set apart ("CO3 2-:") as a
// superscript.
const afterHint = (out) => out.toString().replace(/^[^\n]*\n\n/, '').replace(/(\d) (\d?[+-])(?=[:,.;])/g, '$1$2');
// The console's sheet as the page opened from disk makes it: no link to a
// page the sheet cannot open.
const unlinked = (sheet) => Buffer.from(sheet.toString().replace(/<a href="([^"]*)">\1<\/a>/, '$1'));

// The revealed answer as the console writes it: indented lines, two blank lines.
async function answerText(page) {
  const lines = await page.$$eval('#drill-answer .line, #drill-help .line', (ps) => ps.map((p) => ' '.repeat(+p.dataset.indent) + p.textContent));
  return ascii(lines.map((l) => l + '\n').join('')) + '\n\n';
}

// The worksheet that "Print worksheet" opens, byte for byte: the Blob the
// page hands the new tab, which must show it.
async function printedSheet({ context, page }) {
  await page.evaluate(() => {
    const make = URL.createObjectURL;
    URL.createObjectURL = (blob) => { window.sheetBlob = blob; return make(blob); };
  });
  const [sheet] = await Promise.all([context.waitForEvent('page'), page.click('#print')]);
  await sheet.waitForLoadState();
  assert.match(sheet.url(), /^blob:/);
  assert.match(await sheet.title(), /worksheet/);
  assert.equal(await sheet.getByRole('button', { name: 'Print' }).count(), 1);
  await sheet.close();
  return Buffer.from(await page.evaluate(async () => Array.from(new Uint8Array(await window.sheetBlob.arrayBuffer()))));
}

for (const [seed, type] of [['0', '0'], ['42', '6'], [MAX_SEED, '0']]) {
  test(`drill, seed ${seed}, type ${type}: the console's questions, answers and worksheet`, async () => {
    const session = await open(`#program=drill&seed=${seed}&type=${type}`);
    const { page } = session;
    assert.match(await page.textContent('#drill-hint'), /^Press Enter/);
    let shown = '';
    for (let k = 0; k < 20; ++k) {
      shown += `Question: ${await text(page, '#drill-question')}\n`;
      await page.keyboard.press('Enter');
      await page.keyboard.press('w');  // and why
      shown += await answerText(page);
      // A worksheet in between must not change the session's next questions.
      if (k === 9) {
        const want = execFileSync(DRILL, ['-w', '-s', seed, '-t', type, '-n', '10', '-f', '--format', 'html']);
        assert.ok((await printedSheet(session)).equals(unlinked(want)), 'worksheet differs');
        await page.evaluate(() => document.activeElement.blur());
      }
      await page.keyboard.press(k % 2 ? 'Enter' : ' ');
    }
    const console = execFileSync(DRILL, ['--seed', seed, '--type', type, '--count', '20', '--formulas', '--explain'], { input: '\n'.repeat(20) });
    assert.equal(shown, afterHint(console));
    await close(session);
  });
}

// The right answer the verdict on each question names ("... answer is
// Fe3+", "KBr is soluble"): right, close and wrong answers are made from it.
function answersFrom(probe) {
  const blocks = probe.split('\n\n').slice(1, -1);
  const rights = blocks.map((b) => b.match(/answer is (\S+)$/m)?.[1] ?? (/ insoluble$/m.test(b) ? 'n' : 'y'));
  return rights.map((a, k) => [a, a.length > 1 ? a.toLowerCase() : 'Yes', 'H2O '][k % 3]);
}

test('quiz: the console\'s verdicts and score, for right, close and wrong answers', async () => {
  const seed = '42';
  const answers = answersFrom(execFileSync(QUIZ, ['-s', seed, '-t', '0', '-n', '20'], { input: '?\n'.repeat(20) }).toString());
  assert.equal(answers.length, 20);
  const session = await open(`#program=quiz&seed=${seed}&type=0`);
  const { page } = session;
  let shown = '';
  for (const answer of [...answers, ' \tQuIt ']) {
    shown += `${await page.textContent('#quiz-question')}\n${await page.textContent('#quiz-prompt')} `;
    await page.fill('#answer', answer);
    await page.press('#answer', 'Enter');
    if (answer === ' \tQuIt ') continue;
    shown += `${ascii(await page.textContent('#verdict'))}\n`;
    if (await page.isVisible('#quiz-why')) {
      // Why? clicked, or W with the focus on a button: the focus stays in the answer box.
      await (answers.indexOf(answer) % 2 ? page.click('#quiz-why') : page.focus('#mark').then(() => page.keyboard.press('w')));
      assert.equal(await page.evaluate(() => document.activeElement.id), 'answer');
      const [heading, ...reasons] = await page.$$eval('#quiz-reasons .line', (ps) => ps.map((p) => p.textContent));
      shown += ascii([heading, ...reasons.map((r) => '  ' + r)].join('\n')) + '\n';
    }
    shown += '\n';
  }
  const console = afterHint(execFileSync(QUIZ, ['--seed', seed, '--type', '0'], { input: [...answers, ' \tQuIt ', ''].join('\n') }));
  const [, right, totals, missed] = console.match(/Score: ([1-9]\d?) of 20 correct\n([^]*)Practise these again: .* --questions (.*)\n$/);
  assert.equal(shown, console.replace(/Score: [^]*$/, ''));
  const closes = shown.split(': Close; ').length - 1;
  assert.match(await page.textContent('#summary-line'), new RegExp(`^Score: ${right} of 20 answers right, ${closes} close, ${20 - right - closes} wrong`));
  // The chart's text alternative is the console's totals; Practise these again asks what it names.
  const chart = `Bar chart of the answers. ${totals.trim().split(/\n\s*/).join('. ')}.`;
  assert.equal(await page.getByRole('img', { name: chart, exact: true }).count(), 1);
  await page.click('#practise');
  const again = [];
  for (const answer of missed.split(',').map(() => 'x')) {
    again.push(await page.textContent('#quiz-question'));
    await page.fill('#answer', answer).then(() => page.press('#answer', 'Enter'));
  }
  const practice = execFileSync(QUIZ, ['-s', seed, '-t', '0', '--questions', missed], { input: 'x\n'.repeat(20) }).toString();
  assert.deepEqual(again, practice.match(/^(Ion|Compound|Reactants): .*$/gm));
  assert.match(await page.textContent('#summary-line'), new RegExp(`^Score: 0 of ${again.length} answers`));

  await page.click('#settings summary');
  await page.selectOption('#quiz-type', '2');
  await page.fill('#count', '4');
  await page.selectOption('#sheet-parts', 'key');
  const want = execFileSync(QUIZ, ['-w', '-s', seed, '-t', '2', '-n', '4', '--only', 'key', '--format', 'html']);
  assert.ok((await printedSheet(session)).equals(unlinked(want)), 'worksheet differs');
  await close(session);
});

test('hints at an equation, then none left; a right answer after them counts', async () => {
  const probe = execFileSync(QUIZ, ['-s', '8', '-t', '4', '-n', '1'], { input: 'x\n' }).toString();
  const right = probe.match(/answer is (.*)$/m)[1];
  const session = await open('#program=quiz&seed=8&type=4');
  const { page } = session;
  const helpText = async () => ascii((await page.$$eval('#quiz-help .line', (ps) => ps.map((p) => p.textContent))).join('\n'));
  const console = execFileSync(QUIZ, ['-s', '8', '-t', '4', '-n', '1'], { input: 'hint\nhint\nhint\n' + right + '\n' }).toString();
  const hints = [...console.matchAll(/Hint:\n((?: {2}.*\n)+)/g)].map(([, lines]) => 'Hint:\n' + lines.replace(/^ {2}/gm, '').trimEnd());
  await page.click('#quiz-hint-button');
  assert.equal(await helpText(), hints[0]);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'answer');
  await page.fill('#answer', ' HINT ');
  await page.press('#answer', 'Enter');
  assert.equal(await helpText(), hints[1]);
  await page.click('#quiz-hint-button');
  assert.equal(await helpText(), 'Hint:\nNo more hints are left.');
  await page.fill('#answer', right);
  await page.press('#answer', 'Enter');
  assert.match(await page.textContent('#score'), /^Score: 1 of 1 answer right \(1 after a hint\)/);
  await close(session);
});

test('the address: every quiz type offered, bad values said and replaced', async () => {
  const session = await open('#program=quiz&seed=12x&type=99');
  const { page } = session;
  const names = execFileSync(QUIZ, ['--help']).toString();
  const offered = await page.$$eval('#quiz-type option', (os) => os.length);
  assert.ok(names.includes(`0 random, 1 to ${offered - 1}`), `${offered} types offered; --help says ${names}`);
  assert.match(await page.textContent('#notice'), /seed "12x".*fresh seed.*type "99".*random/);
  const seed = await page.textContent('#seed');
  assert.match(seed, /^\d+$/);
  assert.equal(await page.getAttribute('#link', 'href'), `#program=quiz&seed=${seed}&type=0`);
  await page.evaluate(() => { location.hash = '#program=drill&seed=007&type=08'; });
  await page.waitForFunction(() => location.hash === '#program=drill&seed=7&type=8');
  assert.equal(await page.textContent('#notice'), '');
  await close(session);
});
