// The site's copy of the page: its worker keeps it for starts with no
// network, and, installed, it asks the browser to keep its storage (the
// settings file's download stays the player's own copy).
if ('serviceWorker' in navigator) {
  addEventListener('load', () => navigator.serviceWorker.register('worker.js'));
}
if (navigator.storage && navigator.storage.persist &&
    (matchMedia('(display-mode: standalone)').matches || navigator.standalone === true)) {
  navigator.storage.persist();
}
