// Searches the published search sites in headless Chromium by typing into the search boxes, twice: opened
// from disk (file:// addresses, where each page is an origin of its own and no frame may read another
// frame's document) and served on 127.0.0.1. Each search must give the expected result rows and alerts in
// both, and the two runs must agree search for search: AND and OR searches, the result limit with its one
// alert, an empty query, values with quotes, backslashes, "</script>", links and accents, and the hostile
// corpus (each record found by its own word, all of them at once); no page may log a script error.
// Then the benchmark over HTTP: the size of the search script of 5000 records and the time of a full-scan
// AND search.
// Usage: node search_walk.js <sites folder> <output folder> <chromium> <playwright-core folder>
'use strict';
const fs = require('fs');
const path = require('path');
const [sitesDir, outDir, chromiumPath, playwrightDir] = process.argv.slice(2);
const { chromium } = require(path.resolve(playwrightDir));

const support = require('./browser_support.js');
const plan = require('./search_plan.js');

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

(async () => {
  const server = await support.serve(sitesDir);
  const origin = `http://127.0.0.1:${server.address().port}`;
  const context = await support.launch(chromium, chromiumPath, outDir);
  const problems = [];
  const runs = {};
  let alerts = [];
  let checks = 0;
  try {
    await context.route('**/*', (route) =>
      route.request().url().startsWith(origin) || route.request().url().startsWith('file:') ? route.continue() : route.abort());
    const page = await context.newPage();
    page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
    page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
    page.on('dialog', (d) => { alerts.push(d.message()); d.accept(); });

    const top = () => page.frame({ name: 'top' });
    const main = () => page.frame({ name: 'main' });
    // Marks the result frame's document; a search replaces it (a new load, then the written result page).
    const mark = () => main().evaluate(() => { document.documentElement.setAttribute('data-before', '1'); });
    // Waits, by polling the page's own state, until the result frame shows a freshly written result page
    // (a new document, loaded with the query, whose search box the written result page and its table have
    // replaced: an alert before the table is written keeps the wait going, also in a browser whose alerts
    // let other scripts run meanwhile)
    // or, for a search that must not reach it, until the alert came. Fails after 10 s.
    async function settle(reloads, alertsWanted) {
      for (let i = 0; i < 200; i++) {
        if (!reloads) { if (alerts.length >= alertsWanted) return true; }
        else {
          try {
            const state = await main().evaluate(() => document.readyState === 'complete' &&
              !document.documentElement.hasAttribute('data-before') && location.search.indexOf('frame=main') !== -1 &&
              !document.querySelector('input[name=srchname]') && !!document.querySelector('table'));
            if (state) return true;
          } catch (e) { /* the frame is between two documents */ }
        }
        await new Promise((r) => setTimeout(r, 50));
      }
      return false;
    }
    const results = () => main().evaluate(() => Array.from(document.querySelectorAll('a[href] img[src="qlxf.gif"]'))
      .map((img) => img.parentElement.getAttribute('href')));

    for (const mode of ['file', 'http']) {
      const base = mode === 'file' ? 'file://' + path.resolve(sitesDir) : origin;
      const got = [];
      const steps = {
        // The first search goes through the small form page, which loads the script page with the query.
        async first(site, query) {
          await page.goto(`${base}/${site}/qlx_frm.htm`, { waitUntil: 'load' });
          await mark();
          await top().fill('input[name=srchname]', query);
          await top().click('input[type=submit]');
        },
        // A frameset whose top frame is the search script page: its own box from the start.
        async box(pagePath, query) {
          await page.goto(`${base}/${pagePath}`, { waitUntil: 'load' });
          await this.again(query);
        },
        // Further searches use the script page's own box.
        async again(query) {
          await mark();
          await top().fill('input[name=srchname]', query);
          await top().click('input[type=button]');
        },
        results,
        evaluateMain: (f) => main().evaluate(f),
        evaluateTop: (f) => top().evaluate(f),
      };
      for (const search of plan.searches) {
        alerts = [];
        await (search.how === 'again' ? steps.again(search.query) : steps[search.how](search.site, search.query));
        const reloads = search.query !== '';
        if (!await settle(reloads, search.alerts.length)) {
          // The searches after it would wait in vain as well.
          problems.push(`${mode} ${search.label}: the result frame did not change; the ${mode} searches stop here`);
          break;
        }
        if (reloads && await main().evaluate(() => getComputedStyle(document.documentElement).visibility) !== 'visible')
          problems.push(`${mode} ${search.label}: the result page is hidden`);
        const rows = await results();
        const extra = search.check ? await search.check(steps) : [];
        checks++;
        got.push({ label: search.label, rows, alerts: [...alerts], extra });
        const expectedRows = typeof search.rows === 'function' ? search.rows(got) : search.rows;
        if (!same(rows, expectedRows)) problems.push(`${mode} ${search.label}: results ${JSON.stringify(rows)}, expected ${JSON.stringify(expectedRows)}`);
        if (!same(alerts, search.alerts)) problems.push(`${mode} ${search.label}: alerts ${JSON.stringify(alerts)}, expected ${JSON.stringify(search.alerts)}`);
        for (const p of extra) problems.push(`${mode} ${search.label}: ${p}`);
      }
      runs[mode] = got;
    }
    for (let i = 0; i < plan.searches.length; i++)
      if (runs.file[i] && runs.http[i] && !same(runs.file[i], runs.http[i])) problems.push(`${plan.searches[i].label}: from disk ${JSON.stringify(runs.file[i])}, over HTTP ${JSON.stringify(runs.http[i])}`);

    // The benchmark over 5000 records.
    const size = fs.statSync(path.join(sitesDir, 'large', 'qlx_srch2.htm')).size;
    const loadStart = Date.now();
    alerts = [];
    await page.goto(`${origin}/large/qlx_frm.htm`, { waitUntil: 'load' });
    await mark();
    await top().fill('input[name=srchname]', 'record number 4321');
    await top().click('input[type=submit]');
    if (!await settle(true, 0)) problems.push('large site: the result frame did not change');
    const loadMs = Date.now() - loadStart;
    if (!same(await results(), ['qlx_1_4321.htm'])) problems.push(`large site: results ${JSON.stringify(await results())}`);
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
  console.log(`${checks} searches checked (from disk and over HTTP)`);
  for (const p of problems) console.log(`PROBLEM ${p}`);
  process.exit(problems.length ? 1 : 0);
})().catch((e) => { console.error(e); process.exit(1); });
