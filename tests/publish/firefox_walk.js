// Searches the published "queries" site in headless Firefox (Debian's firefox-esr, driven through its
// Marionette remote control), opened from disk and served on 127.0.0.1: the searches of search_plan.js,
// each with the same result rows and alerts as in Chromium, the two runs compared search for search, and
// no script error in the browser's console.
// Usage: node firefox_walk.js <sites folder> <output folder> <firefox>
'use strict';
const path = require('path');
const [sitesDir, outDir, firefoxPath] = process.argv.slice(2);
const support = require('./browser_support.js');
const marionette = require('./marionette.js');
const plan = require('./search_plan.js');

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const pause = (ms) => new Promise((r) => setTimeout(r, ms));

(async () => {
  const server = await support.serve(sitesDir);
  const origin = `http://127.0.0.1:${server.address().port}`;
  const m = await marionette.launch(firefoxPath, outDir);
  const problems = [];
  const runs = {};
  let alerts = [];
  let checks = 0;
  const collect = async () => { for (let t; (t = await m.takeAlert()) !== null;) alerts.push(t); };
  const TOP = 'top', MAIN = 'main';  // the frames of the frameset
  async function inMain(f) { await collect(); await m.frame(MAIN); return m.run(f); }
  const mark = () => inMain(() => { document.documentElement.setAttribute('data-before', '1'); });
  async function settle(reloads, alertsWanted) {
    for (let i = 0; i < 200; i++) {
      await collect();
      if (!reloads) { if (alerts.length >= alertsWanted) return true; }
      else {
        try {
          if (await inMain(() => document.readyState === 'complete' && !document.documentElement.hasAttribute('data-before') &&
                               location.search.indexOf('frame=main') !== -1 &&
              !document.querySelector('input[name=srchname]') && !!document.querySelector('table'))) { await collect(); return true; }
        } catch (e) { /* an alert came or the frame is between two documents */ }
      }
      await pause(50);
    }
    return false;
  }
  const results = () => inMain(() => Array.from(document.querySelectorAll('a[href] img[src="qlxf.gif"]')).map((img) => img.parentElement.getAttribute('href')));
  async function search(query, button) {
    await collect();
    await m.frame(TOP);
    await m.type(await m.find('input[name=srchname]'), query);
    try { await m.click(await m.find(button)); } catch (e) { if (e.code !== 'unexpected alert open') throw e; }
  }
  try {
    for (const mode of ['file', 'http']) {
      const base = mode === 'file' ? 'file://' + path.resolve(sitesDir) : origin;
      const got = [];
      const steps = {
        async first(site, query) {
          await collect();
          await m.topFrame();
          await m.navigate(`${base}/${site}/qlx_frm.htm`);
          await mark();
          await search(query, 'input[type=submit]');
        },
        async again(query) { await mark(); await search(query, 'input[type=button]'); },
        async box(pagePath, query) {
          await collect();
          await m.topFrame();
          await m.navigate(`${base}/${pagePath}`);
          await this.again(query);
        },
        evaluateMain: inMain,
      };
      for (const s of plan.searches) {
        alerts = [];
        await (s.how === 'again' ? steps.again(s.query) : steps[s.how](s.site, s.query));
        if (!await settle(s.query !== '', s.alerts.length)) {
          problems.push(`${mode} ${s.label}: the result frame did not change; the ${mode} searches stop here`);
          break;
        }
        if (process.env.FOLIVEX_WALK_TRACE) console.log(mode, s.label);
        if (s.query !== '' && await inMain(() => getComputedStyle(document.documentElement).visibility) !== 'visible')
          problems.push(`${mode} ${s.label}: the result page is hidden`);
        const rows = await results();
        const extra = s.check ? await s.check(steps) : [];
        checks++;
        got.push({ label: s.label, rows, alerts: [...alerts], extra });
        if (!same(rows, s.rows)) problems.push(`${mode} ${s.label}: results ${JSON.stringify(rows)}, expected ${JSON.stringify(s.rows)}`);
        if (!same(alerts, s.alerts)) problems.push(`${mode} ${s.label}: alerts ${JSON.stringify(alerts)}, expected ${JSON.stringify(s.alerts)}`);
        for (const p of extra) problems.push(`${mode} ${s.label}: ${p}`);
      }
      runs[mode] = got;
    }
    for (const e of await m.scriptErrors(['file:', origin])) problems.push(`script error: ${e}`);
    for (let i = 0; i < plan.searches.length; i++)
      if (runs.file[i] && runs.http[i] && !same(runs.file[i], runs.http[i]))
        problems.push(`${plan.searches[i].label}: from disk ${JSON.stringify(runs.file[i])}, over HTTP ${JSON.stringify(runs.http[i])}`);
  } finally {
    await m.close();
    server.close();
  }
  console.log(`${checks} searches checked in Firefox (from disk and over HTTP)`);
  for (const p of problems) console.log(`PROBLEM ${p}`);
  process.exit(problems.length ? 1 : 0);
})().catch((e) => { console.error(e); process.exit(1); });
