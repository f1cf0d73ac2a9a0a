// The searches that the browser tests run on the "queries" site (SearchBrowserSite.QueriesSite in
// search_pages_test.cpp), with the result rows (detail links) and alerts each must give. Shared by the
// Chromium walk and the Firefox walk, so that both browsers, from disk and over HTTP, run the same list.
'use strict';
const range = (prefix, from, to) => Array.from({ length: to - from + 1 }, (_, i) => `${prefix}${from + i}.htm`);
const limit = 'Results limited to first 100 matches !';
const none = 'No matches Found !';
const noData = 'You must enter some search data !';
// The hostile records of the site, in order (qlx_3_7.htm onwards): each is found by its own word.
const hostileCount = 14;
const hostile = (i) => `qlx_3_${7 + i}.htm`;

const searches = [
  { label: 'Red AND Blue', how: 'first', site: 'queries', query: 'Red AND Blue', rows: ['qlx_1_1.htm', 'qlx_1_5.htm'], alerts: [] },
  { label: 'red and blue or green', how: 'again', query: 'red and blue or green', rows: ['qlx_1_5.htm'], alerts: [] },
  { label: 'red or green', how: 'again', query: 'red or green', rows: ['qlx_1_1.htm', 'qlx_1_2.htm', 'qlx_1_4.htm', 'qlx_1_5.htm'], alerts: [] },
  { label: '150 matches', how: 'again', query: 'BULKITEM', rows: range('qlx_2_', 1, 100), alerts: [limit] },
  // An empty query alerts and leaves the results of the search before.
  { label: 'empty query', how: 'again', query: '', rows: range('qlx_2_', 1, 100), alerts: [noData] },
  { label: 'no match', how: 'again', query: 'zzzz', rows: [], alerts: [none] },
  { label: 'quote', how: 'again', query: '"cheese"', rows: ['qlx_3_1.htm'], alerts: [] },
  { label: 'backslash', how: 'again', query: '\\temp\\', rows: ['qlx_3_2.htm'], alerts: [] },
  { label: '</script>', how: 'again', query: '</script>', rows: ['qlx_3_3.htm', hostile(3)], alerts: [] },
  { label: '<script>', how: 'again', query: '<script>', rows: [hostile(7), hostile(8)], alerts: [] },
  { label: 'mailto', how: 'again', query: 'mail the shop', rows: ['qlx_3_4.htm'], alerts: [],
    check: async (s) => {
      const mail = await s.evaluateMain(() => Array.from(document.querySelectorAll('a[href^="mailto:"]')).map((a) => [a.getAttribute('href'), a.textContent]));
      return JSON.stringify(mail) === JSON.stringify([['mailto:shop@example.com', 'Mail the shop']]) ? [] : [`mailto link: ${JSON.stringify(mail)}`];
    } },
  { label: 'file:', how: 'again', query: 'manual.pdf', rows: ['qlx_3_5.htm'], alerts: [],
    check: async (s) => {
      const file = await s.evaluateMain(() => Array.from(document.querySelectorAll('a[href="manual.pdf"]')).map((a) => a.textContent));
      return JSON.stringify(file) === JSON.stringify(['file:manual.pdf']) ? [] : [`file link: ${JSON.stringify(file)}`];
    } },
  { label: 'accent typed again', how: 'again', query: 'CRÈME', rows: ['qlx_3_6.htm'], alerts: [] },
  ...Array.from({ length: hostileCount }, (_, i) =>
    ({ label: `hostile ${i}`, how: 'again', query: `hostile${i}z`, rows: [hostile(i)], alerts: [] })),
  // All hostile records on one result page: none hides the rows after it, the heading row keeps its four
  // labels (one opens a comment, one a script element), the footer and caption texts reach the page.
  { label: 'every hostile record', how: 'again', query: 'hostile', rows: Array.from({ length: hostileCount }, (_, i) => hostile(i)), alerts: [],
    check: async (s) => {
      const page = await s.evaluateMain(() => ({
        foot: (document.querySelector('p.foot') || { textContent: '<none>' }).textContent,
        text: document.body.innerText,
        rows: document.querySelectorAll('tr').length,
        scripts: document.querySelectorAll('script').length,
        long: document.body.innerText.indexOf('k'.repeat(3000) + ' hostile13z') !== -1 }));
      const p = [];
      if (!page.foot.startsWith('foot\\note')) p.push(`footer snippet: ${page.foot}`);
      if (!page.text.includes('Results "all" \\')) p.push('caption text missing');
      for (const label of ['Colour "c" \\', 'Note', 'Link <script>x']) if (!page.text.includes(label)) p.push(`label missing: ${label}`);
      if (page.scripts !== 0) p.push(`${page.scripts} script elements written into the result page`);
      if (!page.long) p.push('the very long word is not shown whole');
      return p;
    } },
  // Per category with the search script page in the top frame: its own box searches its own category.
  { label: 'intranet engine 2', how: 'box', site: 'intranet/qlx_frm2.htm', query: 'pear', rows: ['qlx_2_2.htm'], alerts: [] },
  { label: 'intranet engine 2 again', how: 'again', query: 'leek', rows: ['qlx_2_1.htm'], alerts: [] },
  { label: 'intranet engine 1', how: 'box', site: 'intranet/qlx_frm1.htm', query: 'pear', rows: ['qlx_1_2.htm'], alerts: [] },
  { label: 'intranet no match', how: 'again', query: 'leek', rows: [], alerts: [none] },
  // A query typed into the first form travels as UTF-8.
  { label: 'accent through the form', how: 'first', site: 'queries', query: 'brûlée', rows: ['qlx_3_6.htm'], alerts: [] },
  { label: 'a quote AND a word', how: 'again', query: '"cheese" and say', rows: ['qlx_3_1.htm'], alerts: [] },
];

module.exports = { searches };
