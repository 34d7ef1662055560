'use strict';
// One indicator's page: the live chart (weight, feed bands, set points), the fills, the journal's
// snapshots with their changes, and the downloads. Every value goes in as text (textContent),
// never as markup; the captions come from the server's texts (/api/texts).
const index = new URLSearchParams(location.search).get('i');
let spanMs = 120000;     // the time the chart shows (the page's data tells)
const joinMs = 1500;     // samples further apart were a silence: the curve breaks
const listedFills = 50;
// The bands' colours, coarse feed first, as in the monitor window.
const bandColours = ['rgba(70,130,230,0.47)', 'rgba(60,180,90,0.47)', 'rgba(240,170,40,0.55)',
  'rgba(150,150,150,0.43)'];
const lineColours = { target: '#c81e1e', preliminary: '#3c963c', coarse: '#285ac8',
  over: '#aa28aa', under: '#aa6e14' };
let texts = {};
let chart = null;
let points = [];     // [ms, weight, outputs]
let setPoints = [];
let places = 0;

const byId = (id) => document.getElementById(id);

function stamp(ms) {
  const d = new Date(ms);
  const two = (n) => String(n).padStart(2, '0');
  return `${two(d.getHours())}:${two(d.getMinutes())}:${two(d.getSeconds())}`;
}

function showTile(tile) {
  byId('state').textContent = texts.states?.[tile.state] ?? String(tile.state ?? '');
  byId('state').classList.toggle('down', !tile.up);
  byId('weight').textContent = tile.weight ?? texts.none;
  // The last weight read stays shown, greyed, while the indicator does not answer.
  byId('weight').classList.toggle('stale', !tile.up);
}

// The coarsest feed on in a sample: the band it is drawn in (−1: none).
function bandOf(outputs) {
  for (let b = 0; b < 4; ++b) if (outputs & (1 << b)) return b;
  return -1;
}

function chartData() {
  const end = points.length ? points[points.length - 1][0] : Date.now();
  const from = end - spanMs;
  const curve = [];
  const bands = [[], [], [], []];
  let previous = null;
  let before = -1;
  for (const [ms, w, outputs] of points) {
    if (ms < from) continue;
    if (previous !== null && ms - previous > joinMs) {
      curve.push({ x: ms - 1, y: null });
      for (const band of bands) band.push({ x: ms - 1, y: null });
      before = -1;
    }
    curve.push({ x: ms, y: w });
    // A band runs on to the next sample, so that a phase one sample long still shows.
    const on = bandOf(outputs);
    bands.forEach((band, b) => band.push({ x: ms, y: b === on || b === before ? w : null }));
    before = on;
    previous = ms;
  }
  return { from, end, curve, bands };
}

function makeChart() {
  if (typeof Chart === 'undefined') {
    byId('chartNote').textContent = texts.chartMissing;
    byId('chartNote').hidden = false;
    byId('chart').hidden = true;
    return;
  }
  const datasets = [{ label: texts.weight, data: [], borderColor: '#000', borderWidth: 1.5,
    pointRadius: 0, spanGaps: false, order: 0 }];
  texts.bands.forEach((label, b) => datasets.push({ label, data: [], borderWidth: 0,
    pointRadius: 0, backgroundColor: bandColours[b], borderColor: bandColours[b],
    fill: 'origin', spanGaps: false, order: 2 }));
  for (const p of setPoints)
    datasets.push({ label: p.label, data: [], borderColor: lineColours[p.key] ?? '#444',
      borderWidth: 1, borderDash: [6, 3], pointRadius: 0, order: 1 });
  chart = new Chart(byId('chart'), {
    type: 'line',
    data: { datasets },
    options: {
      animation: false, responsive: true, maintainAspectRatio: false, parsing: false,
      normalized: true, events: [],
      scales: {
        x: { type: 'linear', ticks: { callback: (v) => stamp(v), maxRotation: 0,
          autoSkipPadding: 20 } },
        y: { beginAtZero: true, ticks: { callback: (v) => Number(v).toFixed(places) } },
      },
      plugins: { legend: { position: 'bottom', labels: { boxWidth: 14 } },
        tooltip: { enabled: false } },
    },
  });
  byId('chart').dataset.drawn = 'true';
}

let redrawQueued = false;
function redraw() {
  if (!chart || redrawQueued) return;
  redrawQueued = true;
  requestAnimationFrame(() => {
    redrawQueued = false;
    const d = chartData();
    chart.data.datasets[0].data = d.curve;
    d.bands.forEach((band, b) => { chart.data.datasets[1 + b].data = band; });
    setPoints.forEach((p, k) => {
      chart.data.datasets[5 + k].data = [{ x: d.from, y: p.value }, { x: d.end, y: p.value }];
    });
    chart.options.scales.x.min = d.from;
    chart.options.scales.x.max = d.end;
    chart.update('none');
    byId('chart').dataset.points = String(d.curve.length);
  });
}

function fillRow(fill) {
  const tr = document.createElement('tr');
  tr.className = `judgement-${fill.code}`;
  for (const text of [stamp(fill.ms), fill.result, texts.judgements?.[fill.code] ?? fill.judgement,
    fill.inFlight ?? '']) {
    const td = document.createElement('td');
    td.textContent = String(text);
    tr.append(td);
  }
  return tr;
}

function addFill(fill, atTop) {
  const body = byId('fills').tBodies[0];
  if (atTop) body.prepend(fillRow(fill)); else body.append(fillRow(fill));
  while (body.rows.length > listedFills) body.deleteRow(-1);
  byId('noFills').hidden = body.rows.length > 0;
}

async function showChanges(id, button) {
  const box = byId('changes');
  box.replaceChildren();
  const reply = await fetch(`/api/changes?i=${encodeURIComponent(index)}&id=${id}`);
  if (!reply.ok) return;
  const changes = await reply.json();
  for (const row of byId('snapshots').tBodies[0].rows) row.classList.remove('chosen');
  button.closest('tr').classList.add('chosen');
  const head = document.createElement('p');
  head.className = 'summary';
  head.textContent = [changes.against, changes.summary].filter(Boolean).join('：');
  const list = document.createElement('dl');
  for (const c of changes.changes) {
    const dt = document.createElement('dt');
    dt.textContent = c.place;
    const dd = document.createElement('dd');
    dd.textContent = c.change;
    list.append(dt, dd);
  }
  box.append(head, list);
}

function showSnapshots(list) {
  const body = byId('snapshots').tBodies[0];
  for (const s of list) {
    const tr = document.createElement('tr');
    const time = document.createElement('td');
    time.textContent = s.time;
    const run = document.createElement('td');
    run.textContent = [s.run, s.note].filter(Boolean).join(' ');
    const changes = document.createElement('td');
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = texts.showChanges;
    button.addEventListener('click', () => showChanges(s.id, button));
    changes.append(button);
    tr.append(time, run, changes);
    body.append(tr);
  }
  byId('noSnapshots').hidden = list.length > 0;
  const any = list.length > 0;
  byId('sheet').hidden = !any;
  byId('data').hidden = !any;
  byId('nothingToDownload').hidden = any;
}

function connect() {
  const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
  const socket = new WebSocket(`${scheme}//${location.host}/live?i=${encodeURIComponent(index)}`);
  socket.onmessage = (event) => {
    const frame = JSON.parse(event.data);
    if (frame.tile) showTile(frame.tile);
    if (frame.sample) {
      points.push(frame.sample);
      const from = frame.sample[0] - spanMs;
      while (points.length && points[0][0] < from) points.shift();
      redraw();
    }
    if (frame.fill) addFill(frame.fill, true);
  };
  socket.onclose = () => setTimeout(connect, 1000);
}

// The captions and the page's data first; a request that fails (the server restarting) is made
// again a second later. An indicator the server does not watch says so.
async function begin() {
  let pageReply;
  try {
    const textReply = await fetch('/api/texts', { cache: 'no-store' });
    if (!textReply.ok) throw new Error(textReply.statusText);
    texts = await textReply.json();
    pageReply = await fetch(`/api/indicator?i=${encodeURIComponent(index)}`, { cache: 'no-store' });
    if (!pageReply.ok && pageReply.status !== 404) throw new Error(pageReply.statusText);
  } catch {
    setTimeout(begin, 1000);
    return;
  }
  document.documentElement.lang = texts.language ?? 'ja';
  for (const th of document.querySelectorAll('[data-text]')) th.textContent = texts[th.dataset.text];
  byId('back').textContent = texts.back;
  byId('chartHeading').textContent = texts.chart;
  byId('fillsHeading').textContent = texts.fillsHeading;
  byId('noFills').textContent = texts.noFills;
  byId('snapshotsHeading').textContent = texts.snapshots;
  byId('noSnapshots').textContent = texts.noSnapshots;
  byId('downloadsHeading').textContent = texts.downloads;
  byId('sheet').textContent = texts.sheetPdf;
  byId('sheet').href = `/download/sheet?i=${encodeURIComponent(index)}`;
  byId('data').textContent = texts.dataFile;
  byId('data').href = `/download/data?i=${encodeURIComponent(index)}`;
  byId('nothingToDownload').textContent = texts.nothingToDownload;
  if (!pageReply.ok) {
    byId('title').textContent = texts.notFound;
    return;
  }
  const page = await pageReply.json();
  document.title = String(page.tile.name);
  byId('title').textContent = String(page.tile.name);
  byId('product').textContent = page.product ?? '';
  places = page.places ?? 0;
  spanMs = page.spanMs ?? spanMs;
  setPoints = page.setPoints ?? [];
  if (page.product && !page.setPoints) {
    byId('chartNote').textContent = texts.setPointsUnknown;
    byId('chartNote').hidden = false;
  }
  points = page.samples ?? [];
  showTile(page.tile);
  for (const fill of page.fills ?? []) addFill(fill, false);
  byId('noFills').hidden = (page.fills ?? []).length > 0;
  showSnapshots(page.snapshots ?? []);
  makeChart();
  redraw();
  connect();
}
begin();
