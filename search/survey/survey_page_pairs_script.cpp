#include "search/survey/survey_page_pairs_script.h"

#include "search/survey/sha256.h"

namespace search::survey {

// A row's pairs are the lines of its <pre class="pairs"> (see
// survey_page_pairs.h); a row is made a table the first time it opens, and the
// filters apply to the rows open. The practice sheet is a section of the page
// that only print shows, made with the markup of practice_sheet.h.
const std::string_view kPairListScript = R"JS(
(() => {
  'use strict';
  const list = document.getElementById('contrast-list');
  if (!list) return;
  const positionBox = document.getElementById('position-filter');
  const lengthBox = document.getElementById('length-filter');
  const frequencyBox = document.getElementById('frequency-filter');
  const tables = new Map();

  const element = (tag, text, className) => {
    const made = document.createElement(tag);
    if (text !== undefined) made.textContent = text;
    if (className) made.className = className;
    return made;
  };
  const symbolCount = (transcription) => transcription.split(' ').filter((s) => s !== '').length;

  const readPairs = (block) => {
    const spelled = block.dataset.spelled === 'yes';
    const lines = block.textContent.split('\n').filter((line) => line !== '');
    const head = lines.shift().split('\t');
    const pairs = lines.map((line, rank) => {
      const fields = line.split('\t');
      const word = () => {
        const spelling = spelled ? fields.shift() : '';
        return { spelling, transcription: fields.shift() };
      };
      const first = word();
      const second = word();
      const [frame, position, frequency] = fields;
      return {
        rank, first, second, frame, position,
        frequency: frequency === undefined ? null : Number(frequency),
        symbols: Math.max(symbolCount(first.transcription), symbolCount(second.transcription)),
      };
    });
    return { head: spelled ? [head[0], head[2], ...head.slice(4)] : head, pairs };
  };

  const wordText = (word) =>
    word.spelling === '' ? word.transcription : word.spelling + ' (' + word.transcription + ')';

  const filters = () => ({
    position: positionBox.value,
    length: Number(lengthBox.value) || Infinity,
    frequency: frequencyBox ? Number(frequencyBox.value) || 0 : 0,
  });
  const fits = (pair, filter) =>
    (filter.position === '' || pair.position.split('+').every((place) => place === filter.position)) &&
    pair.symbols <= filter.length && (pair.frequency === null || pair.frequency >= filter.frequency);
  const mostFrequentFirst = (a, b) => (b.frequency || 0) - (a.frequency || 0) || a.rank - b.rank;

  const filterRow = (table) => {
    const filter = filters();
    let count = 0;
    for (const pair of table.pairs) {
      const match = fits(pair, filter);
      if (pair.row.hidden === match) pair.row.hidden = !match;
      if (match) count += 1;
    }
    table.shown.textContent = count + ' of ' + table.pairs.length + ' shown';
  };

  const sortRow = (table, header) => {
    table.descending = !table.descending;
    const sorted = table.pairs.slice().sort(table.descending ? mostFrequentFirst
      : (a, b) => (a.frequency || 0) - (b.frequency || 0) || a.rank - b.rank);
    table.body.append(...sorted.map((pair) => pair.row));
    header.setAttribute('aria-sort', table.descending ? 'descending' : 'ascending');
  };

  const cardWord = (word) => {
    const side = element('div');
    side.append(element('span', word.spelling || word.transcription, 'spelled'));
    if (word.spelling) side.append(element('span', word.transcription, 'sounds'));
    side.append(element('span', undefined, 'picture'));
    return side;
  };

  const printSheet = (table) => {
    const filter = filters();
    const symbols = table.row.querySelector('summary').children;
    let title = symbols[1].textContent + ' \u2013 ' + symbols[2].textContent;
    if (filter.position) title += ' (' + filter.position + ')';
    const old = document.getElementById('practice-sheet');
    if (old) old.remove();
    const sheet = element('section', undefined, 'sheet');
    sheet.id = 'practice-sheet';
    const cards = element('div', undefined, 'cards');
    for (const pair of table.pairs.filter((one) => fits(one, filter)).sort(mostFrequentFirst)) {
      const card = element('div', undefined, 'card');
      card.append(cardWord(pair.first), cardWord(pair.second));
      cards.append(card);
    }
    sheet.append(element('h1', title), cards);
    document.body.append(sheet);
    const pageTitle = document.title;
    document.title = title;
    document.documentElement.classList.add('printing-sheet');
    const done = () => {
      window.removeEventListener('afterprint', done);
      document.documentElement.classList.remove('printing-sheet');
      document.title = pageTitle;
      sheet.remove();
    };
    window.addEventListener('afterprint', done);
    window.print();
  };

  const build = (row) => {
    const block = row.querySelector('pre.pairs');
    if (!block) return null;
    const { head, pairs } = readPairs(block);
    const grid = element('table');
    const headRow = grid.createTHead().insertRow();
    const body = grid.createTBody();
    const shown = element('output');
    shown.setAttribute('aria-live', 'polite');
    const table = { row, pairs, body, shown, descending: false };
    head.forEach((name, column) => {
      const header = element('th');
      header.scope = 'col';
      if (column === 4) {
        const button = element('button', name);
        button.type = 'button';
        button.addEventListener('click', () => sortRow(table, header));
        header.append(button);
      } else {
        header.textContent = name;
      }
      headRow.append(header);
    });
    for (const pair of pairs) {
      pair.row = body.insertRow();
      pair.row.append(element('td', wordText(pair.first)), element('td', wordText(pair.second)),
                      element('td', pair.frame), element('td', pair.position));
      if (pair.frequency !== null) pair.row.append(element('td', String(pair.frequency), 'frequency'));
    }
    const print = element('button', 'Print practice sheet');
    print.type = 'button';
    print.addEventListener('click', () => printSheet(table));
    const tools = element('div', undefined, 'pair-tools');
    tools.append(shown, print);
    block.before(tools, grid);
    block.hidden = true;
    tables.set(row, table);
    return table;
  };

  const opened = (row) => {
    const table = tables.get(row) || build(row);
    if (table) filterRow(table);
  };
  list.addEventListener('toggle', (event) => {
    if (event.target.open && event.target.parentElement === list) opened(event.target);
  }, true);
  for (const row of list.querySelectorAll(':scope > details[open]')) opened(row);
  const refilter = () => {
    for (const table of tables.values()) if (table.row.open) filterRow(table);
  };
  for (const box of [positionBox, lengthBox, frequencyBox]) {
    if (box) box.addEventListener('input', refilter);
  }
})();
)JS";

std::string PairListScriptSource() { return "'sha256-" + Base64(Sha256(kPairListScript)) + "'"; }

}  // namespace search::survey
