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

// "&O" underlines O and makes it the control's key; "&&" is an "&".
function withMnemonic(element, text) {
  let key = '';
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&' && key === '') {
        key = text[i].toLowerCase();
        const u = document.createElement('u');
        u.textContent = text[i];
        element.appendChild(u);
        continue;
      }
    }
    element.appendChild(document.createTextNode(text[i]));
  }
  return key;
}

function iconCanvas(iconId) {
  const icon = document.createElement('canvas');
  icon.width = pictureOf(iconId).width;
  icon.height = pictureOf(iconId).height;
  drawIcon(icon, iconId);
  return icon;
}

// The template's controls on a panel the template's size. Returns the
// panel, the template's frame and caption, and the controls by id.
function buildPanel(templateId) {
  const [frame, ...parts] = collect(() => _trelmo_dialog(templateId, metrics().alphabet, metrics().height));
  const panel = document.createElement('div');
  panel.className = 'panel';
  Object.assign(panel.style, { width: `${frame.width}px`, height: `${frame.height}px` });
  const controls = new Map();
  const mnemonics = [];
  const groups = new Map();  // each control that takes the focus, by its group
  let group = 0;
  for (const part of parts) {
    const kind = part.kind, text = part.text;
    if (part.startsGroup) ++group;
    let element, focusable = null, key = '';
    switch (kind) {
      case ControlKind.Label:
        element = document.createElement('div');
        key = withMnemonic(element, text);
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
        key = withMnemonic(legend, text);
        element.appendChild(legend);
        break;
      }
      case ControlKind.PushButton:
        element = focusable = document.createElement('button');
        element.type = 'button';
        key = withMnemonic(element, text);
        break;
      case ControlKind.CheckBox:
      case ControlKind.RadioButton: {
        element = document.createElement('label');
        focusable = document.createElement('input');
        focusable.type = kind === ControlKind.CheckBox ? 'checkbox' : 'radio';
        focusable.name = `group${templateId}-${group}`;
        const span = document.createElement('span');
        key = withMnemonic(span, text);
        element.append(focusable, span);
        break;
      }
      case ControlKind.EditBox:
        element = focusable = document.createElement('input');
        element.type = 'text';
        element.spellcheck = false;
        break;
    }
    if (focusable !== null) {
      focusable.tabIndex = part.tabStop ? 0 : -1;
      groups.set(focusable, group);
    }
    Object.assign(element.style, { left: `${part.x}px`, top: `${part.y}px` });
    if (kind !== ControlKind.Icon) Object.assign(element.style, { width: `${part.width}px`, height: `${part.height}px` });
    panel.appendChild(element);
    const control = focusable || element;
    if (!controls.has(part.id)) controls.set(part.id, control);
    if (key !== '') mnemonics.push({ key, control });
  }
  return { panel, controls, mnemonics, groups, caption: frame.caption, x: frame.x, y: frame.y, centred: frame.centred };
}

// ---- the keys of a Windows dialog ----
const isTextBox = (control) => control instanceof HTMLInputElement && control.type === 'text';
const isShown = (control) => !control.disabled && control.getClientRects().length > 0;
// The dialog's tab stops in template order. A radio button is one only
// while it is checked (or while none of its group is), as a Windows radio
// button keeps WS_TABSTOP only while checked.
function tabStops(dialog) {
  return [...dialog.querySelectorAll('button, input')].filter((control) => {
    if (control.tabIndex < 0 || !isShown(control)) return false;
    if (control.type !== 'radio' || control.checked) return true;
    return ![...dialog.querySelectorAll('input[type=radio]')].some((other) => other.name === control.name && other.checked);
  });
}
// Focus as the dialog manager gives it: an edit box with its text selected.
function focusControl(control) {
  control.focus();
  if (isTextBox(control)) control.select();
}
// Tab and Shift+Tab: the next or previous tab stop, round within the dialog.
function tabToNext(dialog, backward) {
  const stops = tabStops(dialog);
  if (stops.length === 0) return;
  const from = document.activeElement;
  const after = (stop) => stop !== from && (from.compareDocumentPosition(stop) & Node.DOCUMENT_POSITION_FOLLOWING) !== 0;
  const before = stops.filter((stop) => stop !== from && !after(stop));
  focusControl(backward ? before[before.length - 1] || stops[stops.length - 1] : stops.find(after) || stops[0]);
}
// An arrow key: the next or previous control of the focused one's group
// (`groups`, control to group, in template order), round within the group;
// a radio button it reaches is selected.
function arrowWithinGroup(groups, from, backward) {
  const members = [...groups.keys()].filter((control) => groups.get(control) === groups.get(from) && isShown(control));
  const at = members.indexOf(from);
  const next = members[(at + (backward ? members.length - 1 : 1)) % members.length];
  if (next === from) return;
  focusControl(next);
  if (next.type === 'radio' && !next.checked) next.click();
}
const ARROW_KEYS = new Map([['ArrowUp', true], ['ArrowLeft', true], ['ArrowDown', false], ['ArrowRight', false]]);

// A dialog with a title bar (modal unless `modal` is false) and the keys
// of a Windows dialog: Tab and Shift+Tab go round its tab stops; the
// arrows go round the focused control's group in `groups`; Return presses
// the focused push button, or else `defaultButton`; Esc calls `cancel`
// when there is one; a mnemonic letter works with or without Alt unless an
// edit box has the focus. `onKey` sees each key first and says whether it
// took it. No key reaches the game.
function openDialog(options) {
  const caption = options.caption, body = options.body, defaultButton = options.defaultButton, cancel = options.cancel;
  const mnemonics = options.mnemonics || [], at = options.at || null, modal = options.modal !== false;
  const groups = options.groups || new Map(), onKey = options.onKey || (() => false);
  const dialog = document.createElement('dialog');
  if (caption !== null) {
    const title = document.createElement('div');
    title.className = 'title';
    title.textContent = caption;
    dialog.appendChild(title);
  }
  dialog.append(...body);
  dialog.addEventListener('cancel', (event) => {
    event.preventDefault();
    if (cancel) cancel();
  });
  dialog.addEventListener('keydown', (event) => {
    event.stopPropagation();
    if (onKey(event)) return;
    const target = event.target;
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (event.key === 'Tab' && plain) {
      event.preventDefault();
      tabToNext(dialog, event.shiftKey);
      return;
    }
    if (ARROW_KEYS.has(event.key) && groups.has(target) && !isTextBox(target)) {
      event.preventDefault();
      arrowWithinGroup(groups, target, ARROW_KEYS.get(event.key));
      return;
    }
    const pushButton = target instanceof HTMLButtonElement && target.getAttribute('role') !== 'tab';
    if (event.key === 'Enter' && defaultButton && !pushButton) {
      event.preventDefault();
      defaultButton.click();
      return;
    }
    if (event.key.length !== 1 || event.ctrlKey || (isTextBox(target) && !event.altKey)) return;
    const found = mnemonics.find((m) => m.key === event.key.toLowerCase());
    if (!found) return;
    event.preventDefault();
    found.control.focus();
    if (!isTextBox(found.control)) found.control.click();
  });
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
  if (defaultButton) defaultButton.focus();
  return { dialog, close };
}

// A template dialog: OK (and Cancel, where the template has one) end it.
function templateDialog(templateId, handlers) {
  const onOk = handlers.onOk, onCancel = handlers.onCancel, canCancel = handlers.canCancel;
  const built = buildPanel(templateId);
  const ok = built.controls.get(OK);
  const cancelButton = built.controls.get(CANCEL);
  const opened = openDialog({
    caption: built.caption,
    body: [built.panel],
    defaultButton: ok,
    cancel: canCancel ? () => { opened.close(); onCancel(); } : null,
    mnemonics: built.mnemonics,
    groups: built.groups,
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
    canCancel: true,
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
  const built = templateDialog(IDD_SCORE_TABLE, { canCancel: false, onOk: () => { later(done); } });
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
    canCancel: false,
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

// A Yes/No box; the plain letters of its buttons answer it too, and Esc
// does not.
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
  const mnemonics = [];
  const make = (label, yes) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.style.minWidth = '75px';
    mnemonics.push({ key: withMnemonic(button, label), control: button });
    button.addEventListener('click', () => {
      opened.close();
      answer(yes);
    });
    buttonRow.appendChild(button);
    return button;
  };
  const yes = make(texts.yes, true);
  const no = make(texts.no, false);
  // The box's buttons are one group: the arrows go from one to the other.
  const groups = new Map([[yes, 0], [no, 0]]);
  const opened = openDialog({ caption: title, body: [body, buttonRow], defaultButton: yes, cancel: null, mnemonics, groups, modal });
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
// one tab stop, where the arrows choose the page; Ctrl+Tab and
// Ctrl+PageDown (with Shift, or PageUp, backwards) go round the pages
// wherever the focus is; Return is OK unless Cancel has the focus.
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
  const pageKeys = (event) => {
    const count = tabButtons.length;
    if (event.ctrlKey && !event.altKey && ['Tab', 'PageDown', 'PageUp'].includes(event.key)) {
      const back = event.key === 'PageUp' || (event.key === 'Tab' && event.shiftKey);
      select((current + (back ? count - 1 : 1)) % count);
    } else if (tabs.contains(event.target) && ARROW_KEYS.has(event.key)) {
      // Left and right, not round; up and down do nothing on the tabs.
      const next = current + (event.key === 'ArrowLeft' ? -1 : event.key === 'ArrowRight' ? 1 : 0);
      if (next >= 0 && next < count) select(next);
    } else {
      return false;
    }
    event.preventDefault();
    return true;
  };
  const opened = openDialog({
    caption: texts.sheetCaption,
    body: [frame, buttonRow],
    defaultButton: ok,
    cancel: () => opened.close(),
    groups: new Map([[ok, 0], [cancel, 0]]),
    onKey: pageKeys,
  });
  select(startPage);
  tabButtons[startPage].focus();
}
