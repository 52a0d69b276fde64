#include "search/survey/survey_page_script.h"

#include "search/survey/sha256.h"

namespace search::survey {

// The list's rows are <details> elements whose summaries hold one cell per
// column after the disclosure mark; the page writes them sorted by word pairs.
const std::string_view kSurveyPageScript = R"JS(
(() => {
  'use strict';
  const list = document.getElementById('contrast-list');
  if (!list) return;
  const rows = Array.from(list.querySelectorAll('details'));
  const numeric = [false, false, false, true, true, true, true, true, true];
  const values = new Map(rows.map((row, rank) => {
    const cells = Array.from(row.firstElementChild.children, (cell) => cell.textContent);
    return [row, { rank, cells }];
  }));
  let column = 3;
  let descending = true;
  const headers = Array.from(list.querySelectorAll('.contrast-head [data-column]'));

  const compare = (x, y) => {
    const a = values.get(x);
    const b = values.get(y);
    let order = numeric[column] ? Number(a.cells[column]) - Number(b.cells[column])
                                : a.cells[column].localeCompare(b.cells[column]);
    if (descending) order = -order;
    return order || a.rank - b.rank;
  };
  const sort = () => {
    rows.sort(compare);
    list.append(...rows);
    for (const header of headers) {
      if (Number(header.dataset.column) === column) {
        header.setAttribute('aria-sort', descending ? 'descending' : 'ascending');
      } else {
        header.removeAttribute('aria-sort');
      }
    }
  };
  for (const header of headers) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = header.textContent;
    header.textContent = '';
    header.append(button);
    button.addEventListener('click', () => {
      const chosen = Number(header.dataset.column);
      descending = chosen === column ? !descending : numeric[chosen];
      column = chosen;
      sort();
    });
  }

  const filters = document.getElementById('contrast-filters');
  const symbolBox = document.getElementById('symbol-filter');
  const minimumBox = document.getElementById('minimum-filter');
  const shown = document.getElementById('contrasts-shown');
  const filter = () => {
    const symbol = symbolBox.value.trim();
    const minimum = Number(minimumBox.value) || 0;
    let count = 0;
    for (const row of rows) {
      const cells = values.get(row).cells;
      const match = (symbol === '' || cells[1] === symbol || cells[2] === symbol) &&
                    Number(cells[3]) >= minimum;
      if (row.hidden === match) row.hidden = !match;
      if (match) count += 1;
    }
    shown.textContent = count + ' of ' + rows.length + ' contrasts shown.';
  };
  filters.addEventListener('submit', (event) => event.preventDefault());
  symbolBox.addEventListener('input', filter);
  minimumBox.addEventListener('input', filter);
  filters.hidden = false;
  filter();

  // Up and down arrows, Home and End move between the rows shown.
  list.addEventListener('keydown', (event) => {
    const summary = event.target.closest('summary');
    if (!summary) return;
    const visible = rows.filter((row) => !row.hidden);
    const at = visible.indexOf(summary.parentElement);
    const next = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: visible.length - 1 }[event.key];
    if (next === undefined) return;
    event.preventDefault();
    if (next >= 0 && next < visible.length) visible[next].firstElementChild.focus();
  });

  // A cell of the grid links to its row: open it, even if filtered out.
  const openTarget = () => {
    const row = document.getElementById(decodeURIComponent(location.hash.slice(1)));
    if (!row || !values.has(row)) return;
    row.hidden = false;
    row.open = true;
    row.firstElementChild.focus();
  };
  window.addEventListener('hashchange', openTarget);
  openTarget();
})();
)JS";

std::string SurveyPageScriptSource() {
  return "'sha256-" + Base64(Sha256(kSurveyPageScript)) + "'";
}

}  // namespace search::survey
