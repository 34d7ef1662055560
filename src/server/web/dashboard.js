'use strict';
// The overview: one tile per indicator, each linking to the indicator's page. Every value goes in
// as text (textContent), never as markup.
// The captions come from the server's texts (/api/texts).
const captions = ['state', 'feed', 'fills', 'perHour', 'mean', 'sd', 'under', 'over', 'backup'];
let texts = {};
const tiles = new Map();

// `index`: the indicator's place in the overview, which names its page.
function tileFor(name, index) {
  let t = tiles.get(name);
  if (t) return t;
  const root = document.createElement('section');
  root.className = 'tile';
  const head = document.createElement('div');
  head.className = 'name';
  const title = document.createElement('a');
  title.href = `/indicator?i=${index}`;
  title.textContent = name;
  const badge = document.createElement('span');
  badge.className = 'badge';
  badge.textContent = texts.differ;
  badge.hidden = true;
  head.append(title, badge);
  const weight = document.createElement('div');
  weight.className = 'weight';
  const dl = document.createElement('dl');
  const cells = {};
  for (const key of captions) {
    const dt = document.createElement('dt');
    dt.textContent = texts[key];
    const dd = document.createElement('dd');
    if (key === 'backup') dt.className = dd.className = 'wide';
    dl.append(dt, dd);
    cells[key] = dd;
  }
  root.append(head, weight, dl);
  document.getElementById('tiles').append(root);
  t = { root, badge, weight, cells };
  tiles.set(name, t);
  return t;
}

// An ISO time as the browser's clock shows it, with the date when it is not today.
function shownTime(iso) {
  const at = new Date(iso);
  const locale = texts.language === 'en' ? 'en-GB' : 'ja-JP';
  const today = new Date().toDateString() === at.toDateString();
  return today ? at.toLocaleTimeString(locale) : at.toLocaleString(locale);
}

function show(list) {
  list.forEach((ind, index) => {
    const t = tileFor(String(ind.name), index);
    t.root.classList.toggle('down', !ind.up);
    t.weight.textContent = ind.weight ?? texts.none;
    t.badge.hidden = !ind.differ;
    for (const key of captions) t.cells[key].textContent = String(ind[key] ?? '');
    t.cells.state.textContent = texts.states?.[ind.state] ?? String(ind.state ?? '');
    t.cells.feed.textContent = ind.feed ? (texts.feeds?.[ind.feed] ?? '') : '';
    t.cells.backup.textContent = ind.backup ? shownTime(ind.backup) : '—';
  });
  document.getElementById('updated').textContent = new Date().toLocaleTimeString(texts.language === 'en' ? 'en-GB' : 'ja-JP');
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
// The captions first; a request that fails (the server restarting) is made again a second later.
async function begin() {
  try {
    const reply = await fetch('/api/texts', { cache: 'no-store' });
    if (!reply.ok) throw new Error(reply.statusText);
    texts = await reply.json();
  } catch {
    setTimeout(begin, 1000);
    return;
  }
  document.documentElement.lang = texts.language ?? 'ja';
  document.title = texts.title;
  document.getElementById('title').textContent = texts.title;
  document.getElementById('logoutButton').textContent = texts.logout;
  document.getElementById('logout').hidden = !texts.login;
  connect();
}
begin();
