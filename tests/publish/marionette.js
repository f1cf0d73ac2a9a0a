// A small client of Firefox's Marionette protocol (the remote control built into Firefox, started with
// --marionette), enough to drive Debian's firefox-esr headless: start it with a fresh profile, open pages,
// move between frames, type, click, run a script in a frame, read and accept alerts, read the script
// errors of the browser's console.
'use strict';
const fs = require('fs');
const net = require('net');
const path = require('path');
const { spawn } = require('child_process');

const pause = (ms) => new Promise((r) => setTimeout(r, ms));

class Marionette {
  constructor(socket) {
    this.socket = socket;
    this.buffer = Buffer.alloc(0);
    this.waiting = new Map();
    this.next = 1;
    this.hello = new Promise((resolve) => { this.onHello = resolve; });
    socket.on('data', (chunk) => this.receive(chunk));
  }

  receive(chunk) {
    this.buffer = Buffer.concat([this.buffer, chunk]);
    for (;;) {
      const colon = this.buffer.indexOf(':');
      if (colon < 0) return;
      const length = Number(this.buffer.subarray(0, colon).toString());
      if (this.buffer.length < colon + 1 + length) return;
      const message = JSON.parse(this.buffer.subarray(colon + 1, colon + 1 + length).toString());
      this.buffer = this.buffer.subarray(colon + 1 + length);
      if (!Array.isArray(message)) { this.onHello(message); continue; }
      const [, id, error, result] = message;
      const w = this.waiting.get(id);
      this.waiting.delete(id);
      if (w) error ? w.reject(Object.assign(new Error(`${w.command}: ${error.error}: ${error.message}`), { code: error.error })) : w.resolve(result);
    }
  }

  send(command, params = {}) {
    const id = this.next++;
    const body = Buffer.from(JSON.stringify([0, id, command, params]));
    this.socket.write(`${body.length}:`);
    this.socket.write(body);
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject, command }));
  }

  async navigate(url) { await this.send('WebDriver:Navigate', { url }); }
  async topFrame() { await this.send('WebDriver:SwitchToFrame', { id: null }); }
  // Into the frame of the top page that has this name.
  async frame(name) {
    // After a load that moved the page to another content process the frameset may still be coming.
    let element = null;
    for (let i = 0; !element; i++) {
      await this.topFrame();
      try { element = await this.find(`frame[name="${name}"], iframe[name="${name}"]`); } catch (e) {
        if (e.code !== 'no such element' || i === 100) {
          if (process.env.FOLIVEX_WALK_TRACE) console.log((await this.send('WebDriver:GetCurrentURL')).value, (await this.send('WebDriver:GetPageSource')).value.slice(0, 400));
          throw e;
        }
        await pause(100);
      }
    }
    await this.send('WebDriver:SwitchToFrame', { element: element[Object.keys(element)[0]] });
  }
  async find(css) { return (await this.send('WebDriver:FindElement', { using: 'css selector', value: css })).value; }
  async type(element, text) {
    await this.send('WebDriver:ElementClear', { id: element[Object.keys(element)[0]] });
    if (text !== '') await this.send('WebDriver:ElementSendKeys', { id: element[Object.keys(element)[0]], text });
  }
  async click(element) { await this.send('WebDriver:ElementClick', { id: element[Object.keys(element)[0]] }); }
  // Runs a function (its source, with no outer names) in the current frame and answers its result.
  async run(f) { return (await this.send('WebDriver:ExecuteScript', { script: `return (${f.toString()})();`, args: [] })).value; }
  // The script errors (not warnings, not style sheet errors) the browser's console holds for pages whose
  // address begins with one of the prefixes: "address: message". Needs -remote-allow-system-access.
  async scriptErrors(prefixes) {
    await this.send('Marionette:SetContext', { value: 'chrome' });
    try {
      const all = (await this.send('WebDriver:ExecuteScript', { args: [], script:
        'return Services.console.getMessageArray().filter((e) => e instanceof Ci.nsIScriptError && !(e.flags & 1) && ' +
        'e.category !== "CSS Parser").map((e) => e.sourceName + ": " + e.errorMessage);' })).value;
      return all.filter((line) => prefixes.some((p) => line.startsWith(p)));
    } finally {
      await this.send('Marionette:SetContext', { value: 'content' });
    }
  }
  // The text of the alert on screen, accepted; null when there is none.
  async takeAlert() {
    try {
      const text = (await this.send('WebDriver:GetAlertText')).value;
      await this.send('WebDriver:AcceptAlert');
      return text;
    } catch (e) {
      if (e.code === 'no such alert') return null;
      throw e;
    }
  }
}

// Starts headless Firefox with a fresh profile in outDir and connects; close() ends it.
async function launch(firefoxPath, outDir) {
  const profile = fs.mkdtempSync(path.join(outDir, 'firefox-profile-'));
  fs.writeFileSync(path.join(profile, 'user.js'), [
    ['marionette.port', 0], ['browser.shell.checkDefaultBrowser', false], ['datareporting.policy.dataSubmissionEnabled', false],
    ['toolkit.telemetry.reportingpolicy.firstRun', false], ['browser.startup.homepage_override.mstone', 'ignore'],
    ['app.update.disabledForTesting', true], ['network.proxy.type', 0], ['browser.aboutwelcome.enabled', false],
    // Alerts in quick succession are shown like any other (no offer to stop the page's dialogs).
    ['dom.successive_dialog_time_limit', 0],
  ].map(([k, v]) => `user_pref(${JSON.stringify(k)}, ${JSON.stringify(v)});\n`).join(''));
  const child = spawn(firefoxPath, ['--headless', '--marionette', '-remote-allow-system-access', '--no-remote', '--profile', profile, 'about:blank'],
                      { env: { ...process.env, HOME: profile, MOZ_CRASHREPORTER_DISABLE: '1' }, stdio: ['ignore', 'ignore', 'ignore'] });
  let ended = false;
  child.on('exit', () => { ended = true; });
  const portFile = path.join(profile, 'MarionetteActivePort');
  for (let i = 0; i < 600 && !fs.existsSync(portFile); i++) {
    if (ended) throw new Error('firefox ended before it listened');
    await pause(100);
  }
  const port = Number(fs.readFileSync(portFile, 'utf8').trim());
  const socket = await new Promise((resolve, reject) => {
    const s = net.connect(port, '127.0.0.1', () => resolve(s));
    s.on('error', reject);
  });
  const m = new Marionette(socket);
  await m.hello;
  // Alerts stay on screen until they are read and accepted (by default a command would dismiss them).
  const session = await m.send('WebDriver:NewSession', { unhandledPromptBehavior: 'ignore' });
  if (session.capabilities.unhandledPromptBehavior !== 'ignore') throw new Error(`alerts would not stay: ${JSON.stringify(session.capabilities)}`);
  m.close = async () => {
    try { await m.send('Marionette:Quit', { flags: ['eForceQuit'] }); } catch (e) { /* it is going */ }
    socket.destroy();
    for (let i = 0; i < 100 && !ended; i++) await pause(100);
    if (!ended) child.kill('SIGKILL');
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return m;
}

module.exports = { launch };
