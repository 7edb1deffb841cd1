// The module's two timers: the gravity timer, and the wake-up it asks for
// to repeat a held control or press long.
// ---- the gravity timer ----
// While the game is hidden, to the icon or with its tab, it is paused
// and a tick would do nothing: the timer waits, and starts a full period
// again on coming back.
function updateGravityTimer() {
  const wanted = state.gravityPeriod !== null && !state.hidden && !state.ended && document.visibilityState === 'visible';
  if (state.gravityTimer !== 0 && !wanted) {
    clearInterval(state.gravityTimer);
    state.gravityTimer = 0;
  } else if (state.gravityTimer === 0 && wanted) {
    state.gravityTimer = setInterval(() => run(() => input(Input.Tick)), state.gravityPeriod);
  }
}
page.armTimer = (milliseconds) => {
  page.stopTimer();
  state.gravityPeriod = Math.max(milliseconds, SHORTEST_PERIOD_MS);
  updateGravityTimer();
};
page.stopTimer = () => {
  state.gravityPeriod = null;
  updateGravityTimer();
};

// ---- the wake-up ----
page.wakeUp = (milliseconds) => {
  clearTimeout(state.wakeUpTimer);
  state.wakeUpTimer = milliseconds < 0 ? 0 : setTimeout(() => run(() => input(Input.WakeUp, Math.floor(performance.now()))), milliseconds);
};
