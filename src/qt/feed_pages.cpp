// The pages the feed serves. They hold no match logic and count nothing:
// every figure shown is one the program sent, so a page can never drift
// from the operator window. A lost connection greys the page and retries.
#include <QByteArray>

#include "qt/feed_server.h"

namespace tabrino::qt {

namespace {

// The socket on the next port, a readable "no connection" state, and
// a retry that slows down to once every ten seconds.
const char* const kLive = R"JS(
const $ = id => document.getElementById(id);
function put(id, text) { const e = $(id); if (e && e.textContent !== text) { e.textContent = text; return true; } return false; }
function paint(id, colour) { const e = $(id); if (e) e.style.color = colour; }
function show(id, on) { const e = $(id); if (e) e.hidden = !on; }
// Shrinks a one-line text until it fits its box (names change rarely).
function fit(id, max) {
  const e = $(id); if (!e) return;
  let size = max; e.style.fontSize = size + 'px';
  for (let i = 0; i < 60 && e.scrollWidth > e.clientWidth && size > 8; i++) { size *= 0.94; e.style.fontSize = size + 'px'; }
}
let retry = 1000;
function connect() {
  const port = (Number(location.port) || 80) + 1;
  const ws = new WebSocket('ws://' + location.hostname + ':' + port + '/');
  ws.onopen = () => { retry = 1000; document.body.classList.remove('lost'); };
  ws.onmessage = ev => { try { render(JSON.parse(ev.data)); } catch (e) { console.error(e); } };
  ws.onclose = () => { document.body.classList.add('lost'); setTimeout(connect, retry); retry = Math.min(retry * 2, 10000); };
}
window.addEventListener('load', connect);
)JS";

const char* const kBoard = R"HTML(<!DOCTYPE html>
<html lang="es"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Tabrino de Hockey</title>
<style>
html, body { margin: 0; height: 100%; background: #000; overflow: hidden; }
[hidden] { display: none !important; }
body { font-family: Impact, 'Roboto Condensed', 'Arial Narrow', sans-serif; font-weight: bold; color: #fff; }
.digits { font-family: 'DSEG7 Classic', 'DSEG7 Modern', 'DS-Digital', monospace; font-weight: bold; font-style: normal; }
#stage { position: absolute; left: 0; top: 0; transform-origin: 0 0; }
.board { position: relative; display: grid; box-sizing: border-box; padding: 12px; gap: 8px; }
.land { width: 1600px; height: 900px;
  grid-template-columns: 460px 1fr 460px; grid-template-rows: 300px 110px 1fr;
  grid-template-areas: "sl clock sv" "nl per nv" "gl mid gv"; }
.port { width: 900px; height: 1600px;
  grid-template-columns: 1fr 1fr; grid-template-rows: 270px 120px 110px 420px 1fr 300px;
  grid-template-areas: "clock clock" "per per" "nl nv" "gl gv" "mid mid" "sl sv"; }
.cell { position: relative; min-width: 0; min-height: 0; overflow: hidden; display: flex; align-items: center; justify-content: center; }
#clock { grid-area: clock; }
#reloj { line-height: 1; font-size: 170px; }
.fitbox { display: block; width: 100%; text-align: center; white-space: nowrap; overflow: hidden; }
#per { grid-area: per; flex-direction: column; color: #0f0; }
.port #per { flex-direction: row; gap: 40px; }
#per .title { font-size: 32px; }
#periodo { font-size: 90px; line-height: 1; }
.name { font-size: 72px; color: #ff0; line-height: 110px; }
#nl { grid-area: nl; } #nv { grid-area: nv; }
.goals { font-size: 400px; line-height: 1; }
.port .goals { font-size: 380px; }
#gl { grid-area: gl; } #gv { grid-area: gv; }
#mid { grid-area: mid; display: grid; grid-template-columns: 1fr 1fr; grid-template-rows: auto 1fr auto; gap: 4px 16px; }
.stat { display: flex; flex-direction: column; align-items: center; }
.stat .title { font-size: 28px; }
.fouls { font-size: 150px; line-height: 1; color: #0ff; }
.tos { font-size: 70px; line-height: 1; color: #ff0; }
.cards { display: flex; gap: 18px; justify-content: center; font-size: 34px; min-height: 48px; }
.card { display: inline-flex; align-items: center; gap: 6px; }
.card i { display: inline-block; width: 22px; height: 32px; border-radius: 3px; }
.blue i { background: #1e50ff; } .red i { background: #e00010; }
.port #mid { grid-template-columns: repeat(4, 1fr); grid-template-rows: auto auto; }
.port #fl { grid-column: 1; grid-row: 1; } .port #ml { grid-column: 2; grid-row: 1; }
.port #fv { grid-column: 3; grid-row: 1; } .port #mv { grid-column: 4; grid-row: 1; }
.port #pos { grid-row: 2; grid-column: 1 / span 4; }
#pos { grid-column: 1 / span 2; color: #ff0; display: flex; align-items: baseline; justify-content: center; gap: 16px; }
#pos .title { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 22px; }
#posesion { font-size: 72px; }
.side { flex-direction: column; gap: 6px; }
#sl { grid-area: sl; } #sv { grid-area: sv; }
.slot { display: flex; align-items: center; gap: 14px; color: #ff80ff; font-size: 64px; height: 96px; }
.slot b { font-family: Impact, 'Roboto Condensed', sans-serif; font-size: 30px; color: #fff; background: #a0107a; border-radius: 8px; padding: 4px 10px; }
.free { font-size: 30px; color: #fff; display: flex; align-items: baseline; gap: 12px; }
.free span { font-size: 64px; color: #0ff; }
.legend { position: absolute; left: 50%; bottom: 14px; transform: translateX(-50%); color: #0f0; font-size: 30px; }
.panel { position: absolute; inset: 0; background: #000; display: flex; flex-direction: column; align-items: center; justify-content: space-evenly; padding: 24px; box-sizing: border-box; text-align: center; }
.panel .head { color: #0f0; font-size: 96px; line-height: 1.1; max-width: 100%; }
.port .panel .head { font-size: 72px; }
.panel .team { color: #0ff; font-size: 60px; white-space: nowrap; overflow: hidden; max-width: 100%; }
#tcount { font-size: 260px; line-height: 1; }
.port #tcount { font-size: 190px; }
.trow { display: flex; gap: 30px; align-items: center; justify-content: center; width: 100%; }
.port .trow { flex-direction: column; gap: 6px; }
.trow .tn { color: #0ff; font-size: 48px; max-width: 520px; white-space: nowrap; overflow: hidden; }
.trow .tg { color: #0ff; font-size: 120px; line-height: 1; }
#treloj { color: #ff0; font-size: 110px; }
.shots { display: flex; gap: 18px; }
.shot { width: 70px; height: 70px; border-radius: 50%; border: 6px solid #fff; box-sizing: border-box; }
.shot.gol { background: #0f0; border-color: #0f0; } .shot.fallo { background: #f00; border-color: #f00; }
.srow { display: grid; grid-template-columns: 600px auto 140px; gap: 30px; align-items: center; width: 100%; }
.port .srow { grid-template-columns: 1fr; justify-items: center; gap: 10px; }
.srow .sn { font-size: 60px; white-space: nowrap; overflow: hidden; text-align: right; }
.port .srow .sn { text-align: center; max-width: 100%; }
.srow .sg { font-size: 120px; }
#winner { color: #ff0; font-size: 150px; }
#wbox { width: 100%; }
#wtitle { color: #0ff; font-size: 120px; }
#draw { color: #ff0; font-size: 180px; }
.lost #stage { opacity: .35; }
#lostnote { display: none; position: fixed; left: 0; right: 0; bottom: 2vh; text-align: center; color: #f44; font: bold 3vmin sans-serif; }
.lost #lostnote { display: block; }
</style></head>
<body>
<div id="stage"><div id="board" class="board land">
  <div id="sl" class="cell side">
    <div class="slot" id="sl0"><b>CASTIGO</b><span class="digits" id="sl0t">00:00</span></div>
    <div class="slot" id="sl1"><b>CASTIGO</b><span class="digits" id="sl1t">00:00</span></div>
    <div class="free" id="frl">Libre x Faltas <span id="librel">0</span></div>
  </div>
  <div id="clock" class="cell digits"><span class="fitbox" id="reloj">00:00</span></div>
  <div id="sv" class="cell side">
    <div class="slot" id="sv0"><b>CASTIGO</b><span class="digits" id="sv0t">00:00</span></div>
    <div class="slot" id="sv1"><b>CASTIGO</b><span class="digits" id="sv1t">00:00</span></div>
    <div class="free" id="frv">Libre x Faltas <span id="librev">0</span></div>
  </div>
  <div id="nl" class="cell"><span class="name fitbox" id="nombrel"></span></div>
  <div id="per" class="cell"><span class="title">PERIODO</span><span id="periodo">1</span></div>
  <div id="nv" class="cell"><span class="name fitbox" id="nombrev"></span></div>
  <div id="gl" class="cell goals"><span id="golesl">0</span></div>
  <div id="mid" class="cell">
    <div class="stat" id="fl"><span class="title" style="color:#0ff">FALTAS</span><span class="fouls" id="faltasl">0</span></div>
    <div class="stat" id="fv"><span class="title" style="color:#0ff">FALTAS</span><span class="fouls" id="faltasv">0</span></div>
    <div class="stat" id="ml"><span class="title" style="color:#ff0">MINUTO</span><span class="tos" id="tiemposl">0</span>
      <div class="cards"><span class="card blue" id="azl"><i></i><span id="azlt">0</span></span><span class="card red" id="rol"><i></i><span id="rolt">0</span></span></div></div>
    <div class="stat" id="mv"><span class="title" style="color:#ff0">MINUTO</span><span class="tos" id="tiemposv">0</span>
      <div class="cards"><span class="card blue" id="azv"><i></i><span id="azvt">0</span></span><span class="card red" id="rov"><i></i><span id="rovt">0</span></span></div></div>
    <div id="pos"><span id="posesion">45</span><span class="title">POSESION</span></div>
  </div>
  <div id="gv" class="cell goals"><span id="golesv">0</span></div>
  <div class="legend" id="legend" hidden>PENALES</div>

  <div class="panel" id="ptimeout" hidden>
    <div class="head"><span id="ttitulo">MINUTO</span> <span id="tequipo" style="color:#0ff"></span></div>
    <div class="digits" id="tcount">00:00</div>
    <div class="trow"><span class="tn" id="tl"></span><span class="tg" id="tgl"></span>
      <span class="digits" id="treloj">00:00</span><span class="tg" id="tgv"></span><span class="tn" id="tv"></span></div>
  </div>
  <div class="panel" id="pshootout" hidden>
    <div class="head" id="stitulo">DEFINICION A PENALES</div>
    <div class="srow"><span class="sn" id="snl"></span><span class="shots" id="shl"></span><span class="sg" id="sgl">0</span></div>
    <div class="srow"><span class="sn" id="snv"></span><span class="shots" id="shv"></span><span class="sg" id="sgv">0</span></div>
  </div>
  <div class="panel" id="pend" hidden>
    <div class="head" id="etitulo">PARTIDO FINALIZADO</div>
    <div id="wbox"><div id="wtitle">GANADOR</div><span class="fitbox" id="winner"></span></div>
    <div id="draw">EMPATE</div>
  </div>
</div></div>
<div id="lostnote">Sin conexión con el marcador: reintentando…</div>
<script>
%LIVE%
let names = ['', ''], shape = '';
function layout() {
  const port = innerHeight > innerWidth * 1.1;
  const b = $('board');
  b.className = 'board ' + (port ? 'port' : 'land');
  const w = port ? 900 : 1600, h = port ? 1600 : 900;
  const k = Math.min(innerWidth / w, innerHeight / h);
  const st = $('stage');
  st.style.transform = 'scale(' + k + ')';
  st.style.left = ((innerWidth - w * k) / 2) + 'px';
  st.style.top = ((innerHeight - h * k) / 2) + 'px';
  const now = (port ? 'p' : 'l');
  if (now !== shape) { shape = now; fitAll(); }
}
function fitAll() { fit('reloj', 170); fit('nombrel', 72); fit('nombrev', 72); fit('tequipo', 96); fit('winner', 150); fit('snl', 60); fit('snv', 60); fit('tl', 48); fit('tv', 48); }
window.addEventListener('resize', layout);
layout();
function slot(id, s) {
  show(id, s.activo);
  put(id + 't', s.minutos + ':' + s.segundos); paint(id + 't', s.color);
}
function team(k, t) {
  if (put('nombre' + k, t.nombre)) fit('nombre' + k, 72);
  put('goles' + k, t.goles);
  put('faltas' + k, t.faltas); paint('faltas' + k, t.colorfaltas);
  put('tiempos' + k, t.tiempos); paint('tiempos' + k, t.colortiempos);
  show('fr' + k, t.libre_visible); put('libre' + k, t.libre);
  show('az' + k, t.azules_visible); put('az' + k + 't', t.azules);
  show('ro' + k, t.rojas_visible); put('ro' + k + 't', t.rojas);
  slot('s' + k + '0', t.castigos[0]); slot('s' + k + '1', t.castigos[1]);
}
function shots(id, list) {
  const box = $(id);
  while (box.children.length < list.length) box.appendChild(document.createElement('span'));
  list.forEach((s, i) => { box.children[i].className = 'shot ' + s; });
}
function render(s) {
  if (s.listo) {
    put('reloj', s.reloj.minutos + ':' + s.reloj.segundos); paint('reloj', s.reloj.color);
    put('periodo', s.periodo); paint('periodo', s.colorperiodo);
    team('l', s.local); team('v', s.visita);
    show('pos', s.posesion.visible); put('posesion', s.posesion.segundos); paint('posesion', s.posesion.color);
    show('legend', s.penales_disponibles);
  }
  const t = s.minuto, p = s.penales, e = s.final;
  show('pend', !!e); show('pshootout', !e && !!p); show('ptimeout', !e && !p && !!t);
  if (t) {
    put('ttitulo', t.titulo); if (put('tequipo', t.equipo)) fit('tequipo', 96);
    put('tcount', t.minutos + ':' + t.segundos); paint('tcount', t.color);
    if (put('tl', t.local)) fit('tl', 48); put('tgl', t.goleslocal);
    if (put('tv', t.visita)) fit('tv', 48); put('tgv', t.golesvisita);
    put('treloj', t.reloj);
  }
  if (p) {
    put('stitulo', p.titulo);
    if (put('snl', p.local.nombre)) fit('snl', 60); put('sgl', p.local.goles); shots('shl', p.local.tiros);
    if (put('snv', p.visita.nombre)) fit('snv', 60); put('sgv', p.visita.goles); shots('shv', p.visita.tiros);
  }
  if (e) {
    put('etitulo', e.titulo); show('wbox', e.hayganador); show('draw', e.empate);
    put('wtitle', e.textoganador); if (put('winner', e.ganador)) fit('winner', 150); put('draw', e.textoempate);
  }
  document.body.dataset.version = s.version;
}
</script></body></html>
)HTML";

const char* const kOverlay = R"HTML(<!DOCTYPE html>
<html lang="es"><head><meta charset="utf-8">
<title>Tabrino de Hockey - marcador</title>
<style>
html, body { margin: 0; background: transparent; overflow: hidden; }
[hidden] { display: none !important; }
body { font-family: Impact, 'Roboto Condensed', 'Arial Narrow', sans-serif; font-weight: bold; color: #fff; padding: 16px; }
.digits { font-family: 'DSEG7 Classic', 'DSEG7 Modern', 'DS-Digital', monospace; font-weight: bold; }
#bar { display: inline-grid; grid-template-columns: 330px 70px 150px 70px 330px; align-items: stretch;
  height: 56px; font-size: 30px; box-shadow: 0 2px 8px rgba(0,0,0,.5); }
#bar > * { display: flex; align-items: center; justify-content: center; min-width: 0; }
.nm { background: #111a; background: rgba(10,10,10,.85); color: #ff0; padding: 0 14px; white-space: nowrap; overflow: hidden; }
#nl { justify-content: flex-end; } #nv { justify-content: flex-start; }
.nm span { overflow: hidden; text-overflow: clip; white-space: nowrap; }
.sc { background: #fff; color: #000; font-size: 40px; }
#mid { background: #000; flex-direction: column; line-height: 1; }
#per { color: #0f0; font-size: 16px; }
#reloj { font-size: 26px; }
#under { display: grid; grid-template-columns: 400px 150px 400px; margin-top: 4px; font-size: 20px; }
.sus { display: flex; gap: 6px; min-height: 28px; }
#ul { grid-column: 1; justify-content: flex-end; } #uv { grid-column: 3; justify-content: flex-start; }
#pos { grid-column: 2; }
.sus span { background: rgba(160,16,122,.92); color: #fff; padding: 2px 8px; border-radius: 4px; }
.sus span .digits { font-size: 16px; color: #ffd0ff; margin-left: 4px; }
#pos { justify-self: center; background: rgba(0,0,0,.85); color: #ff0; padding: 2px 10px; border-radius: 4px; }
.lost #bar { opacity: .4; }
</style></head>
<body>
<div id="bar">
  <div class="nm" id="nl"><span id="nombrel"></span></div>
  <div class="sc" id="golesl">0</div>
  <div id="mid"><span id="per">PERIODO 1</span><span class="digits" id="reloj">00:00</span></div>
  <div class="sc" id="golesv">0</div>
  <div class="nm" id="nv"><span id="nombrev"></span></div>
</div>
<div id="under"><div class="sus" id="ul"></div><div id="pos" hidden>POSESION <span class="digits" id="posesion"></span></div><div class="sus" id="uv"></div></div>
<script>
%LIVE%
function sus(id, list) {
  const box = $(id);
  const on = list.filter(s => s.activo);
  while (box.children.length > on.length) box.lastChild.remove();
  while (box.children.length < on.length) {
    const s = document.createElement('span'); s.textContent = 'CASTIGO';
    const d = document.createElement('span'); d.className = 'digits'; s.appendChild(d); box.appendChild(s);
  }
  on.forEach((s, i) => { box.children[i].lastChild.textContent = s.minutos + ':' + s.segundos; });
}
function render(s) {
  if (!s.listo) return;
  if (put('nombrel', s.local.nombre)) fit('nl', 30);
  if (put('nombrev', s.visita.nombre)) fit('nv', 30);
  put('golesl', s.local.goles); put('golesv', s.visita.goles);
  put('per', s.periodo === 'E' ? 'DESCANSO' : 'PERIODO ' + s.periodo);
  put('reloj', s.reloj.minutos + ':' + s.reloj.segundos); paint('reloj', s.reloj.color);
  sus('ul', s.local.castigos); sus('uv', s.visita.castigos);
  show('pos', s.posesion.visible); put('posesion', s.posesion.segundos);
  document.body.dataset.version = s.version;
}
</script></body></html>
)HTML";

QByteArray withLive(const char* page) {
    QByteArray out(page);
    out.replace("%LIVE%", kLive);
    return out;
}

}  // namespace

QByteArray boardPage() {
    static const QByteArray page = withLive(kBoard);
    return page;
}

QByteArray overlayPage() {
    static const QByteArray page = withLive(kOverlay);
    return page;
}

}  // namespace tabrino::qt
