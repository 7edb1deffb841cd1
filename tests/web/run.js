// The page's tests: build/web/trelmo.html in Debian's headless Chromium,
// driven by puppeteer-core, its canvas compared with trelmo-sim's pictures
// of the same state. The cases are the files of tests/web/cases/, each a
// function of the shared helpers (harness.js) giving named cases.
//   node tests/web/run.js BUILD_DIR [CASE...]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const harness = require('./harness');

const { puppeteer, pageErrors, work } = harness;
const only = process.argv.slice(3);
const caseFolder = path.join(__dirname, 'cases');
const cases = {};
for (const file of fs.readdirSync(caseFolder).filter((name) => name.endsWith('.js')).sort())
  Object.assign(cases, require(path.join(caseFolder, file))(harness));

(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'trelmo-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.TRELMO_CHROMIUM || '/usr/bin/chromium',
    headless: 'new',
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
  });
  let passed = 0, failed = 0, context = null;
  for (const [name, test] of Object.entries(cases)) {
    if (only.length > 0 && !only.some((word) => name.includes(word))) continue;
    const started = Date.now();
    try {
      pageErrors.length = 0;
      context = await browser.createIncognitoBrowserContext();
      harness.setContext(context);
      await test();
      if (pageErrors.length > 0) throw new Error(`the page failed: ${pageErrors.join('; ')}`);
      ++passed;
      console.log(`ok   ${name} (${Date.now() - started} ms)`);
    } catch (error) {
      ++failed;
      console.log(`FAIL ${name}: ${error.message}`);
    }
    await context.close().catch(() => {});
  }
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
  fs.rmSync(work, { recursive: true, force: true });
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
