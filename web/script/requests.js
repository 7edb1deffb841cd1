// The rules' requests carried out with timers, sounds and dialogs, and the
// game's end.
// The module hands each request out once, with a ticket to answer it by,
// in any order. It starts once the entry point that handed it out has
// returned; a request closes an open menu.
page.startRequest = (request, value, ticket, text) => {
  const offeredName = text !== 0 ? gbkText(text) : '';
  queueMicrotask(() => {
    if (ui.ended) return;
    closeMenu();
    const finish = (yes) => run(() => _trelmo_answer(ticket, yes ? 1 : 0, 0));
    switch (request) {
      case Request.Sound: playSound(value, () => finish(true)); break;
      case Request.Wait: setTimeout(() => finish(true), value); break;
      case Request.NameEntry: enterName(ticket, offeredName); break;
      case Request.ScoreTable: showTable(() => finish(true)); break;
      case Request.AskReplay: askQuestion(texts.replayQuestion, texts.replayTitle, null, finish); break;
      case Request.QuitProgram: endGame(); break;
      default: finish(true);
    }
  });
};

// The game's end: nothing of it runs again.
function endGame() {
  if (ui.ended) return;
  input(Input.ShutDown);
  ui.ended = true;
  page.stopTimer();
  closeMenu();
  for (const dialog of document.querySelectorAll('dialog')) dialog.remove();
  windowBox.hidden = true;
  tray.style.display = 'none';
  document.documentElement.classList.add('ended');
  notice.textContent = texts.gameEnded;
  // Again as a new start of the program: the settings and the table as
  // the page's storage keeps them.
  const restart = $('restart');
  restart.textContent = texts.restart;
  restart.hidden = false;
  restart.addEventListener('click', () => location.reload());
  restart.focus();
  if (ui.lastGameKept) offerSharingAtTheEnd(restart);
  ui.releaseLock();
}
