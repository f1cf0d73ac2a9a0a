// What the browser tests share: a static file server for a published folder on 127.0.0.1 (it sends no
// charset: the pages must declare their own), and headless Chromium started with a fresh profile of its
// own and without the background traffic this machine's closed network refuses.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const types = { '.htm': 'text/html', '.gif': 'image/gif', '.jpg': 'image/jpeg', '.png': 'image/png' };

function serve(dir) {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '');
    const file = path.join(dir, name);
    if (!file.startsWith(path.resolve(dir)) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404);
      return res.end('not found');
    }
    res.writeHead(200, { 'Content-Type': types[path.extname(file).toLowerCase()] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

async function launch(chromium, chromiumPath, outDir, extra = {}) {
  const profile = fs.mkdtempSync(path.join(outDir, 'chromium-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    ...extra,
  });
  context.profileDir = profile;  // removed by the caller when it is done
  return context;
}

module.exports = { serve, launch };
