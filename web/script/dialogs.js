// The dialogs, laid out from the templates, and the questions.
// ---- dialogs, laid out from the templates ----
// The dialog font's base units, measured once.
let fontMetrics = null;
function metrics() {
  if (fontMetrics !== null) return fontMetrics;
  const measure = document.createElement('canvas').getContext('2d');
  measure.font = `${LABEL_PIXELS}px ${FONT_FAMILY}`;
  const m = measure.measureText(BASE_UNIT_ALPHABET);
  const height = Math.round((m.fontBoundingBoxAscent || LABEL_PIXELS) + (m.fontBoundingBoxDescent || 0));
  fontMetrics = { alphabet: Math.round(m.width), height };
  return fontMetrics;
}

// A control's text, [before, underlined, after], with its key underlined.
function showText(element, [before, marked, after]) {
  const u = document.createElement('u');
  u.textContent = marked;
  element.append(before, ...(marked !== '' ? [u] : []), after);
}

function iconCanvas(iconId) {
  const icon = document.createElement('canvas');
  icon.width = pictureOf(iconId).width;
  icon.height = pictureOf(iconId).height;
  drawIcon(icon, iconId);
  return icon;
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
const modifiersOf = (event) => (event.shiftKey ? SHIFT_HELD : 0) | (event.ctrlKey ? CTRL_HELD : 0) | (event.altKey ? ALT_HELD : 0);
const checkedOf = (controls) => () => controls.reduce((bits, control, i) => bits | (control !== null && control.checked ? 1 << i : 0), 0);
// Virtual key `key` with `modifiers` in the dialog that `keys` describes
// (its module id, its controls by index, their state, and the sheet's
// showPage): the module says what it does, and it is done here. False when
// the key is not the dialog's but the focused control's.
function dialogKey(keys, key, modifiers) {
  const focus = keys.controls.findIndex((control) => control !== null && control.contains(document.activeElement));
  const answer = input(Input.DialogKey, key | (modifiers << 8) | (keys.which << 16), focus, keys.state());
  const action = answer & 0xf, target = (answer >> 4) - 1;
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
    ++modalCount;
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
    if (modal) --modalCount;
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

// At OK the module is told which controls are checked, in the order it
// described them.
function showOptions() {
  const marks = describe(Description.OptionMarks);
  const built = templateDialog(IDD_OPTIONS, {
    onCancel: () => {},
    onOk: () => {
      const checked = marks.reduce((bits, mark, i) => (built.controls.get(mark.control).checked ? bits | (1 << i) : bits), 0);
      run(() => input(Input.StoreOptions, checked));
    },
  });
  for (const mark of marks) built.controls.get(mark.control).checked = mark.checked;
}

function showTable(done) {
  const paintRows = (panel) => {
    for (const old of panel.querySelectorAll('.scorerow')) old.remove();
    for (const cell of describe(Description.ScoreRows)) {
      const element = document.createElement('div');
      element.className = 'scorerow';
      element.textContent = cell.text;
      element.style.top = `${cell.top}px`;
      element.style.whiteSpace = 'pre';
      if (cell.centred) Object.assign(element.style, { left: `${cell.x}px`, transform: 'translateX(-50%)' });
      else element.style.right = `calc(100% - ${cell.x}px)`;
      panel.appendChild(element);
    }
  };
  const built = templateDialog(IDD_SCORE_TABLE, { onOk: () => { later(done); } });
  paintRows(built.panel);
  built.controls.get(IDC_CLEAR).addEventListener('click', () => {
    run(() => input(Input.ClearScores));
    paintRows(built.panel);
  });
}

// The name entry handed out with `ticket`, offering `offered`: OK hands
// back what was typed.
function enterName(ticket, offered) {
  let box;
  const built = templateDialog(IDD_NAME_ENTRY, {
    onOk: () => {
      const typed = encodeGbk(box.value);
      later(() => withBytes(typed, (bytes) => _trelmo_answer(ticket, 1, bytes)));
    },
  });
  box = built.controls.get(IDC_NAME_BOX);
  box.value = offered;
  // The Windows edit box does not scroll: typing stops where it is full.
  const measure = document.createElement('canvas').getContext('2d');
  measure.font = `${LABEL_PIXELS}px ${FONT_FAMILY}`;
  let kept = box.value;
  box.addEventListener('input', () => {
    if (measure.measureText(box.value).width > box.clientWidth - 4) box.value = kept;
    kept = box.value;
  });
  // The focus stays on OK, the first tab stop: Return takes the name offered.
}

// A Yes/No box; the letters of its buttons answer it too, and Esc does not.
function askQuestion(text, title, iconId, answer, modal = true) {
  const body = document.createElement('div');
  body.className = 'message';
  if (iconId !== null) body.appendChild(iconCanvas(iconId));
  else {
    const mark = document.createElement('div');
    mark.textContent = '?';
    Object.assign(mark.style, { width: '32px', height: '32px', lineHeight: '32px', textAlign: 'center', borderRadius: '16px', background: '#fff', color: '#000080', fontSize: '24px', fontWeight: 'bold' });
    body.appendChild(mark);
  }
  const message = document.createElement('div');
  message.textContent = text;
  body.appendChild(message);
  const buttonRow = document.createElement('div');
  buttonRow.className = 'row';
  buttonRow.style.padding = '0 12px 10px';
  const make = (label, yes) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.style.minWidth = '75px';
    showText(button, label);
    button.addEventListener('click', () => {
      opened.close();
      answer(yes);
    });
    buttonRow.appendChild(button);
    return button;
  };
  const [yesText, noText] = describe(Description.Questions).map((button) => button.text);
  const yes = make(yesText, true);
  const no = make(noText, false);
  const keys = { which: QUESTION_KEYS, controls: [yes, no], state: () => 0 };
  const opened = openDialog({ caption: title, body: [body, buttonRow], focus: yes, keys, modal });
  return opened;
}

// The exit box has no owner: the game goes on behind it. Yes offers the
// result to the table, then ends the game.
function openExitBox() {
  if (exitBox !== null) {
    exitBox.querySelector('button').focus();
    return;
  }
  const opened = askQuestion(texts.exitQuestion, texts.exitTitle, IDI_EXIT, (yes) => {
    exitBox = null;
    if (yes) later(() => input(Input.Exit));
  }, false);
  exitBox = opened.dialog;
}

// The information sheet: three pages on tabs, OK and Cancel. The tabs are
// one tab stop, which keeps the focus on the current page's tab.
function showSheet(startPage) {
  const [frameSize, ...sheetPages] = collect(() => _trelmo_sheet(metrics().alphabet, metrics().height));
  const margin = { x: frameSize.marginX, y: frameSize.marginY };
  const pages = sheetPages.map((sheetPage) => buildPanel(sheetPage.templateId));
  const titles = sheetPages.map((sheetPage) => sheetPage.title);
  const tabs = document.createElement('div');
  tabs.className = 'tabs';
  tabs.setAttribute('role', 'tablist');
  const body = document.createElement('div');
  body.className = 'sheetbody';
  const tabButtons = titles.map((title, index) => {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.setAttribute('role', 'tab');
    tab.textContent = title;
    tab.addEventListener('click', () => select(index));
    tabs.appendChild(tab);
    return tab;
  });
  let current = startPage;
  const select = (index) => {
    const onTabs = tabs.contains(document.activeElement);
    current = index;
    pages.forEach((p, i) => { p.panel.style.display = i === index ? '' : 'none'; });
    tabButtons.forEach((tab, i) => {
      tab.classList.toggle('current', i === index);
      tab.setAttribute('aria-selected', String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
    });
    if (onTabs) tabButtons[index].focus();
  };
  body.append(...pages.map((p) => p.panel));
  const frame = document.createElement('div');
  frame.style.padding = `${margin.y}px ${margin.x}px 0`;
  frame.append(tabs, body);
  const buttonRow = document.createElement('div');
  buttonRow.className = 'row';
  buttonRow.style.padding = `${margin.y}px ${margin.x}px`;
  const sheetButton = (text) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = text;
    Object.assign(button.style, { width: `${frameSize.buttonWidth}px`, height: `${frameSize.buttonHeight}px`, font: 'inherit', padding: '0' });
    button.addEventListener('click', () => opened.close());
    buttonRow.appendChild(button);
    return button;
  };
  const ok = sheetButton(texts.sheetOk);
  const cancel = sheetButton(texts.sheetCancel);
  const opened = openDialog({
    caption: texts.sheetCaption,
    body: [frame, buttonRow],
    focus: ok,
    keys: { which: SHEET_KEYS, controls: [tabs, ok, cancel], state: () => current, showPage: select },
  });
  select(startPage);
  tabButtons[startPage].focus();
}
