// The module's two timers: the gravity timer, and the wake-up it asks for
// to repeat a held control or press long.
// ---- the gravity timer ----
// While the game is hidden, to the icon or with its tab, it is paused
// and a tick would do nothing: the timer waits, and starts a full period
// again on coming back.
function updateGravityTimer() {
  const wanted = ui.gravityPeriod !== null && !ui.hidden && !ui.ended && document.visibilityState === 'visible';
  if (ui.gravityTimer !== 0 && !wanted) {
    clearInterval(ui.gravityTimer);
    ui.gravityTimer = 0;
  } else if (ui.gravityTimer === 0 && wanted) {
    ui.gravityTimer = setInterval(() => run(() => input(Input.Tick)), ui.gravityPeriod);
  }
}
page.armTimer = (milliseconds) => {
  page.stopTimer();
  ui.gravityPeriod = Math.max(milliseconds, SHORTEST_PERIOD_MS);
  updateGravityTimer();
};
page.stopTimer = () => {
  ui.gravityPeriod = null;
  updateGravityTimer();
};

// ---- the wake-up ----
page.wakeUp = (milliseconds) => {
  clearTimeout(ui.wakeUpTimer);
  ui.wakeUpTimer = milliseconds < 0 ? 0 : setTimeout(() => run(() => input(Input.WakeUp, Math.floor(performance.now()))), milliseconds);
};
