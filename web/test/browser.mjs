// What the browser tests share: the system's chromium, the page opened from
// disk with every other request refused, and the console programs it must
// agree with, named by the environment (PAGE, DRILL, QUIZ, CHROMIUM).
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const { PAGE, DRILL, QUIZ } = process.env;
export const PAGE_URL = pathToFileURL(path.resolve(PAGE ?? '')).href;
const figures = { firstQuestionMs: [] };

let browser;
before(async () => {
  for (const file of [PAGE, DRILL, QUIZ]) assert.ok(file && fs.existsSync(file), `missing ${file}`);
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});
after(async () => {
  await browser?.close();
  const slowest = Math.max(...figures.firstQuestionMs);
  console.log(`first question on screen: at most ${slowest.toFixed(0)} ms after opening`);
  assert.ok(slowest <= 1000);
});

// The test's own watch on the page: when its first question appears, in ms
// since the navigation started.
function watchFirstQuestion() {
  new MutationObserver((changes, observer) => {
    const questions = document.querySelectorAll('#drill-question, #quiz-question');
    if ([...questions].some((q) => q.textContent)) {
      window.firstQuestionMs = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, childList: true, characterData: true });
}

// The page at `hash`, offline; `problems` collects requests and errors.
export async function open(hash, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options });
  await context.setOffline(true);
  const problems = [];
  await context.route('**/*', (route) => {
    const url = route.request().url();
    if (url.startsWith(PAGE_URL) || url.startsWith('blob:')) return route.continue();
    problems.push(`request: ${url}`);
    return route.abort();
  });
  context.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') problems.push(`console: ${m.text()}`); });
  context.on('weberror', (e) => problems.push(`error: ${e.error().message}`));
  await context.addInitScript(watchFirstQuestion);
  const page = await context.newPage();
  await page.goto(PAGE_URL + hash);
  await page.waitForSelector('#session:not([hidden])', { timeout: 5000 });
  figures.firstQuestionMs.push(await page.evaluate(() => window.firstQuestionMs));
  return { context, page, problems };
}

export async function close({ context, problems }) {
  await context.close();
  assert.deepEqual(problems, []);
}

export const ascii = (s) => s.replaceAll('→', '->').replaceAll('−', '-');
export const text = async (page, selector) => ascii(await page.textContent(selector));
