// Serves a published site on 127.0.0.1 and walks it in headless Chromium: every page reachable from the
// index page is opened, every link, picture and form picture on it that belongs to the site must load,
// no page may log an error, and screenshots of the index page and of a detail page are saved.
// Usage: node browser_walk.js <site folder> <output folder> <chromium> <playwright-core folder>
'use strict';
const fs = require('fs');
const path = require('path');
const [siteDir, outDir, chromiumPath, playwrightDir] = process.argv.slice(2);
const { chromium } = require(path.resolve(playwrightDir));

const support = require('./browser_support.js');
const serve = () => support.serve(siteDir);

(async () => {
  const server = await serve();
  const origin = `http://127.0.0.1:${server.address().port}`;
  const context = await support.launch(chromium, chromiumPath, outDir, { viewport: { width: 1024, height: 768 } });
  const problems = [];
  let pages = 0, checked = 0, external = 0;
  try {
    // Nothing leaves the machine: a request elsewhere fails and so shows up as an error below.
    await context.route('**/*', (route) =>
      route.request().url().startsWith(origin) ? route.continue() : route.abort());
    const page = await context.newPage();
    page.on('console', (m) => { if (m.type() === 'error') problems.push(`${page.url()}: console: ${m.text()}`); });
    page.on('pageerror', (e) => problems.push(`${page.url()}: script error: ${e.message}`));
    page.on('requestfailed', (r) => problems.push(`${page.url()}: request failed: ${r.url()}`));
    page.on('response', (r) => { if (r.status() >= 400) problems.push(`${page.url()}: ${r.status()} for ${r.url()}`); });

    const queue = [`${origin}/qlx_index.htm`];
    const seen = new Set(queue);
    const resources = new Set();
    while (queue.length) {
      const url = queue.shift();
      const response = await page.goto(url, { waitUntil: 'load' });
      pages++;
      if (!response || response.status() !== 200) { problems.push(`${url}: page did not load`); continue; }
      // Every picture has really been drawn.
      const broken = await page.$$eval('img', (imgs) => imgs.filter((i) => !i.complete || i.naturalWidth === 0).map((i) => i.src));
      for (const b of broken) problems.push(`${url}: picture not shown: ${b}`);
      const refs = await page.$$eval('a[href], img[src], input[type=image][src]',
        (els) => els.map((e) => e.href || e.src));
      for (const ref of refs) {
        if (!ref.startsWith(origin)) { external++; continue; }  // mail, other sites, the cart service
        const clean = ref.split('#')[0];
        if (clean.endsWith('.htm')) {
          if (!seen.has(clean)) { seen.add(clean); queue.push(clean); }
        } else {
          resources.add(clean);
        }
      }
      const name = url.slice(origin.length + 1);
      if (name === 'qlx_index.htm' || name === 'qlx_1_1.htm') {
        await page.screenshot({ path: path.join(outDir, name.replace('.htm', '.png')), fullPage: true });
      }
    }
    for (const ref of resources) {
      const r = await context.request.get(ref);
      checked++;
      if (r.status() !== 200) problems.push(`${ref}: ${r.status()}`);
    }
  } finally {
    await context.close();
    server.close();
    fs.rmSync(context.profileDir, { recursive: true, force: true });
  }
  console.log(`${pages} pages walked, ${checked} pictures and files checked, ${external} links elsewhere not followed`);
  if (pages < 2) problems.push('the index page led nowhere');
  for (const p of problems) console.log(`PROBLEM ${p}`);
  process.exit(problems.length ? 1 : 0);
})().catch((e) => { console.error(e); process.exit(1); });
