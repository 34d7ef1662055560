'use strict';
// The overview: one tile per indicator, refreshed from /api/overview. Every value goes in as
// text (textContent), never as markup.
const labels = { state: '状態', fills: '計量回数', mean: '平均', sd: '標準偏差', under: '不足', over: '過量' };
const tiles = new Map();

function tileFor(name) {
  let t = tiles.get(name);
  if (t) return t;
  const root = document.createElement('section');
  root.className = 'tile';
  const head = document.createElement('div');
  head.className = 'name';
  const title = document.createElement('span');
  title.textContent = name;
  const badge = document.createElement('span');
  badge.className = 'badge';
  badge.textContent = '設定変更あり';
  badge.hidden = true;
  head.append(title, badge);
  const weight = document.createElement('div');
  weight.className = 'weight';
  const dl = document.createElement('dl');
  const cells = {};
  for (const key of Object.keys(labels)) {
    const dt = document.createElement('dt');
    dt.textContent = labels[key];
    const dd = document.createElement('dd');
    dl.append(dt, dd);
    cells[key] = dd;
  }
  root.append(head, weight, dl);
  document.getElementById('tiles').append(root);
  t = { root, badge, weight, cells };
  tiles.set(name, t);
  return t;
}

function show(list) {
  for (const ind of list) {
    const t = tileFor(String(ind.name));
    t.root.classList.toggle('down', !ind.up);
    t.weight.textContent = ind.weight ?? '－';
    t.badge.hidden = !ind.differ;
    for (const key of Object.keys(labels)) t.cells[key].textContent = String(ind[key] ?? '');
  }
  document.getElementById('updated').textContent = new Date().toLocaleTimeString('ja-JP');
}

// Live: the whole overview on connecting, then each indicator's tile as it changes. A lost
// connection is opened again a second later.
function connect() {
  const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
  const socket = new WebSocket(`${scheme}//${location.host}/live`);
  socket.onmessage = (event) => {
    const data = JSON.parse(event.data);
    show(Array.isArray(data) ? data : [data]);
  };
  socket.onclose = () => {
    document.getElementById('updated').textContent = '—';
    setTimeout(connect, 1000);
  };
}
connect();
