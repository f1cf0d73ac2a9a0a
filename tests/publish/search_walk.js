// Serves the published search sites on 127.0.0.1 and searches them in headless Chromium by typing into the
// search boxes: AND and OR searches, the result limit with its one alert, an empty query, values with
// quotes, backslashes, "</script>", links and accents, the hostile corpus; no page may log a script error.
// Then the benchmark: the size of the search script of 5000 records and the time of a full-scan AND search.
// Usage: node search_walk.js <sites folder> <output folder> <chromium> <playwright-core folder>
'use strict';
const fs = require('fs');
const path = require('path');
const [sitesDir, outDir, chromiumPath, playwrightDir] = process.argv.slice(2);
const { chromium } = require(path.resolve(playwrightDir));

const support = require('./browser_support.js');
const serve = () => support.serve(sitesDir);

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const range = (prefix, from, to) => Array.from({ length: to - from + 1 }, (_, i) => `${prefix}${from + i}.htm`);

(async () => {
  const server = await serve();
  const origin = `http://127.0.0.1:${server.address().port}`;
  const context = await support.launch(chromium, chromiumPath, outDir);
  const problems = [];
  let alerts = [];
  let checks = 0;
  try {
    await context.route('**/*', (route) =>
      route.request().url().startsWith(origin) ? route.continue() : route.abort());
    const page = await context.newPage();
    page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
    page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
    page.on('dialog', (d) => { alerts.push(d.message()); d.accept(); });

    const top = () => page.frame({ name: 'top' });
    const main = () => page.frame({ name: 'main' });
    // The detail links of the result rows, and the row texts.
    const results = () => main().evaluate(() => Array.from(document.querySelectorAll('a[href] img[src="qlxf.gif"]'))
      .map((img) => img.parentElement.getAttribute('href')));
    // The first search goes through the small form page, which loads the script page with the query.
    async function first(site, query) {
      await page.goto(`${origin}/${site}/qlx_frm.htm`, { waitUntil: 'load' });
      await top().fill('input[name=srchname]', query);
      await Promise.all([top().waitForNavigation({ waitUntil: 'load' }), top().click('input[type=submit]')]);
    }
    // Further searches use the script page's own box.
    async function again(query) {
      await top().fill('input[name=srchname]', query);
      await top().click('input[type=button]');
    }
    async function expect(label, run, hrefs, expectedAlerts) {
      alerts = [];
      await run();
      await page.waitForTimeout(50);
      const got = await results();
      checks++;
      if (hrefs !== null && !same(got, hrefs)) problems.push(`${label}: results ${JSON.stringify(got)}, expected ${JSON.stringify(hrefs)}`);
      if (!same(alerts, expectedAlerts)) problems.push(`${label}: alerts ${JSON.stringify(alerts)}, expected ${JSON.stringify(expectedAlerts)}`);
    }
    const limit = 'Results limited to first 100 matches !';
    const none = 'No matches Found !';

    await expect('Red AND Blue', () => first('queries', 'Red AND Blue'), ['qlx_1_1.htm', 'qlx_1_5.htm'], []);
    await expect('red and blue or green', () => again('red and blue or green'), ['qlx_1_5.htm'], []);
    await expect('red or green', () => again('red or green'), ['qlx_1_1.htm', 'qlx_1_2.htm', 'qlx_1_4.htm', 'qlx_1_5.htm'], []);
    await expect('150 matches', () => again('BULKITEM'), range('qlx_2_', 1, 100), [limit]);
    const before = await results();
    await expect('empty query', () => again(''), before, ['You must enter some search data !']);
    await expect('no match', () => again('zzzz'), [], [none]);
    await expect('quote', () => again('"cheese"'), ['qlx_3_1.htm'], []);
    await expect('backslash', () => again('\\temp\\'), ['qlx_3_2.htm'], []);
    await expect('</script>', () => again('</script>'), ['qlx_3_3.htm', 'qlx_3_10.htm'], []);
    await expect('mailto', () => again('mail the shop'), ['qlx_3_4.htm'], []);
    const mail = await main().evaluate(() => Array.from(document.querySelectorAll('a[href^="mailto:"]')).map((a) => [a.getAttribute('href'), a.textContent]));
    if (!same(mail, [['mailto:shop@example.com', 'Mail the shop']])) problems.push(`mailto link: ${JSON.stringify(mail)}`);
    await expect('file:', () => again('manual.pdf'), ['qlx_3_5.htm'], []);
    const file = await main().evaluate(() => Array.from(document.querySelectorAll('a[href="manual.pdf"]')).map((a) => a.textContent));
    if (!same(file, ['file:manual.pdf'])) problems.push(`file link: ${JSON.stringify(file)}`);
    await expect('accent typed again', () => again('CRÈME'), ['qlx_3_6.htm'], []);
    for (let i = 0; i < 6; i++) await expect(`hostile ${i}`, () => again(`hostile${i}`), [`qlx_3_${7 + i}.htm`], []);
    // The footer and caption texts with quotes, a backslash and "</script>" reach the result page.
    const page2 = await main().evaluate(() => ({
      foot: (document.querySelector('p.foot') || { textContent: '<none>' }).textContent,
      caption: document.body.innerText }));
    if (!page2.foot.startsWith('foot\\note')) problems.push(`footer snippet: ${page2.foot}`);
    if (!page2.caption.includes('Results "all" \\')) problems.push('caption text missing');
    // A query typed into the first form travels as UTF-8.
    await expect('accent through the form', () => first('queries', 'brûlée'), ['qlx_3_6.htm'], []);
    await expect('a quote AND a word', () => again('"cheese" and say'), ['qlx_3_1.htm'], []);

    // The benchmark over 5000 records.
    const size = fs.statSync(path.join(sitesDir, 'large', 'qlx_srch2.htm')).size;
    const loadStart = Date.now();
    await expect('large site', () => first('large', 'record number 4321'), ['qlx_1_4321.htm'], []);
    const loadMs = Date.now() - loadStart;
    const times = await top().evaluate(() => {
      const t = [];
      for (let k = 0; k < 7; k++) {
        const s = performance.now();
        const found = SearchArray('no such text and nowhere');
        t.push(performance.now() - s);
        if (found.length !== 0) return null;
      }
      return t.sort((a, b) => a - b);
    });
    if (!times) problems.push('the full-scan AND search found something');
    else console.log(`BENCHMARK search script of 5000 records: ${size} bytes (warning above 75000 bytes: ${size > 75000 ? 'yes' : 'no'}); ` +
                     `first search through the form incl. loading: ${loadMs} ms; full-scan AND search: median ${times[3].toFixed(2)} ms, best ${times[0].toFixed(2)} ms`);
  } finally {
    await context.close();
    server.close();
    fs.rmSync(context.profileDir, { recursive: true, force: true });
  }
  console.log(`${checks} searches checked`);
  for (const p of problems) console.log(`PROBLEM ${p}`);
  process.exit(problems.length ? 1 : 0);
})().catch((e) => { console.error(e); process.exit(1); });
