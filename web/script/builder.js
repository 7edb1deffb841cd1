// The dialog builder: a template's controls as the page's elements, a
// dialog with a title bar around them, and its keys as the module answers
// them (resources/dialog_keys.h).
// ---- dialogs, laid out from the templates ----
// The dialog font's base units.
const metrics = madeOnce(() => {
  const measure = document.createElement('canvas').getContext('2d');
  measure.font = `${LABEL_PIXELS}px ${FONT_FAMILY}`;
  const m = measure.measureText(BASE_UNIT_ALPHABET);
  const height = Math.round((m.fontBoundingBoxAscent || LABEL_PIXELS) + (m.fontBoundingBoxDescent || 0));
  return { alphabet: Math.round(m.width), height };
});

// A control's text, [before, underlined, after], with its key underlined.
function showText(element, [before, marked, after]) {
  const u = document.createElement('u');
  u.textContent = marked;
  element.append(before, ...(marked !== '' ? [u] : []), after);
}

// The template's controls on a panel the template's size. Returns the
// panel, the template's frame and caption, the controls by id, and by
// index those that take the focus (null for the others).
function buildPanel(templateId) {
  const [frame, ...parts] = collect(() => _trelmo_dialog(templateId, metrics().alphabet, metrics().height));
  const panel = document.createElement('div');
  panel.className = 'panel';
  Object.assign(panel.style, { width: `${frame.width}px`, height: `${frame.height}px` });
  const controls = new Map(), keyControls = [];
  let group = 0;
  for (const part of parts) {
    const kind = part.kind, text = part.text;
    if (part.startsGroup) ++group;
    let element, focusable = null;
    switch (kind) {
      case ControlKind.Label:
        element = document.createElement('div');
        showText(element, text);
        break;
      case ControlKind.Icon:
        element = iconCanvas(part.iconId);
        break;
      case ControlKind.EtchedRule:
        element = document.createElement('hr');
        break;
      case ControlKind.GroupBox: {
        element = document.createElement('fieldset');
        const legend = document.createElement('legend');
        showText(legend, text);
        element.appendChild(legend);
        break;
      }
      case ControlKind.PushButton:
        element = focusable = document.createElement('button');
        element.type = 'button';
        showText(element, text);
        break;
      case ControlKind.CheckBox:
      case ControlKind.RadioButton: {
        element = document.createElement('label');
        focusable = document.createElement('input');
        focusable.type = kind === ControlKind.CheckBox ? 'checkbox' : 'radio';
        focusable.name = `group${templateId}-${group}`;
        const span = document.createElement('span');
        showText(span, text);
        element.append(focusable, span);
        break;
      }
      case ControlKind.EditBox:
        element = focusable = document.createElement('input');
        element.type = 'text';
        element.spellcheck = false;
        break;
    }
    if (focusable !== null) focusable.tabIndex = part.tabStop ? 0 : -1;
    keyControls.push(focusable);
    Object.assign(element.style, { left: `${part.x}px`, top: `${part.y}px` });
    if (kind !== ControlKind.Icon) Object.assign(element.style, { width: `${part.width}px`, height: `${part.height}px` });
    panel.appendChild(element);
    const control = focusable || element;
    if (!controls.has(part.id)) controls.set(part.id, control);
  }
  return { panel, controls, keyControls, caption: frame.caption, x: frame.x, y: frame.y, centred: frame.centred };
}

// ---- the keys of a Windows dialog, as the module answers them ----
const isTextBox = (control) => control instanceof HTMLInputElement && control.type === 'text';
// Focus as the dialog manager gives it: an edit box with its text
// selected; the sheet's tabs at the current page's tab.
function focusControl(control) {
  const target = control.getAttribute('role') === 'tablist' ? control.querySelector('[tabindex="0"]') : control;
  target.focus();
  if (isTextBox(target)) target.select();
}
const checkedOf = (controls) => () => controls.reduce((bits, control, i) => bits | (control !== null && control.checked ? 1 << i : 0), 0);
// Virtual key `key` with `modifiers` in the dialog that `keys` describes
// (its module id, its controls by index, their state, and the sheet's
// showPage): the module says what it does, and it is done here. False when
// the key is not the dialog's but the focused control's.
function dialogKey(keys, key, modifiers) {
  const focus = keys.controls.findIndex((control) => control !== null && control.contains(document.activeElement));
  const { action, target } = answerOf(input(Input.DialogKey, key + modifiers * KEY_MODIFIERS + keys.which * KEY_DIALOG, focus, keys.state()));
  if (action === DialogAction.Pass) return false;
  if (action === DialogAction.Focus || action === DialogAction.Press) focusControl(keys.controls[target]);
  if (action === DialogAction.Press) keys.controls[target].click();
  if (action === DialogAction.ShowPage) keys.showPage(target);
  return true;
}

// A dialog with a title bar (modal unless `modal` is false) whose keys
// `keys` describes (dialogKey); `focus` has the focus first. No key
// reaches the game.
function openDialog(options) {
  const caption = options.caption, body = options.body, keys = options.keys, at = options.at || null, modal = options.modal !== false;
  const dialog = document.createElement('dialog');
  if (caption !== null) {
    const title = document.createElement('div');
    title.className = 'title';
    title.textContent = caption;
    dialog.appendChild(title);
  }
  dialog.append(...body);
  // Esc is the keys' own: the cancel button, where there is one.
  dialog.addEventListener('cancel', (event) => event.preventDefault());
  dialog.addEventListener('keydown', (event) => {
    event.stopPropagation();
    if (dialogKey(keys, virtualKey(event), modifiersOf(event))) event.preventDefault();
  });
  // Space pressed as it went down; not again as it comes up.
  dialog.addEventListener('keyup', (event) => { if (event.key === ' ' && !isTextBox(event.target)) event.preventDefault(); });
  dialog.keys = keys;  // for a pad, which drives the dialog through dialogKey
  // A click on a modal dialog's text or frame, which the browser gives the
  // focus to the dialog itself, leaves it on the control that had it.
  dialog.addEventListener('focusout', (event) => {
    if (!modal || (event.relatedTarget !== null && event.relatedTarget !== dialog)) return;
    const lost = event.target;
    setTimeout(() => {
      const now = document.activeElement;
      if (dialog.isConnected && dialog.contains(lost) && (now === dialog || !dialog.contains(now))) lost.focus();
    }, 0);
  });
  document.body.appendChild(dialog);
  if (at !== null && !touchScreen) {
    const origin = stage.getBoundingClientRect();
    Object.assign(dialog.style, { position: 'fixed', margin: '0', left: `${origin.left + at.x}px`, top: `${origin.top + at.y}px` });
  }
  if (modal) {
    ++ui.modalCount;
    dialog.showModal();
  } else {
    dialog.show();
  }
  fitDialog(dialog);
  // The browser may close a dialog on a repeated Esc whatever the page
  // says; one that only its buttons end opens again.
  let closing = false;
  dialog.addEventListener('close', () => {
    if (closing || !dialog.isConnected) return;
    if (modal) dialog.showModal();
    else dialog.show();
  });
  const close = () => {
    if (!dialog.isConnected) return;
    closing = true;
    if (modal) --ui.modalCount;
    dialog.close();
    dialog.remove();
  };
  options.focus.focus();
  return { dialog, close };
}

// A template dialog: OK (and Cancel, where the template has one, which Esc
// presses) end it.
function templateDialog(templateId, handlers) {
  const onOk = handlers.onOk, onCancel = handlers.onCancel;
  const built = buildPanel(templateId);
  const ok = built.controls.get(OK);
  const cancelButton = built.controls.get(CANCEL);
  const opened = openDialog({
    caption: built.caption,
    body: [built.panel],
    focus: ok,
    keys: { which: templateId, controls: built.keyControls, state: checkedOf(built.keyControls) },
    at: built.centred ? null : built,
  });
  ok.addEventListener('click', () => { if (onOk(built) !== false) opened.close(); });
  if (cancelButton) cancelButton.addEventListener('click', () => { opened.close(); onCancel(); });
  return built;
}
