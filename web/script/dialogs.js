// The dialogs: the options, the table, the name entry, the questions and
// the information sheet, each from the builder's pieces.
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
    fitDialog(built.panel.closest('dialog'));  // the new rows where the old ones stood
  });
}

// The length of the start two texts share, in UTF-16 units, never inside
// a character.
function commonPrefix(one, other) {
  let length = 0;
  for (const character of one) {
    if (!other.startsWith(character, length)) break;
    length += character.length;
  }
  return length;
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
  // An input method's composition runs whole, and what it leaves is then
  // cut to the box by whole characters.
  const measure = document.createElement('canvas').getContext('2d');
  measure.font = `${LABEL_PIXELS}px ${FONT_FAMILY}`;
  const tooWide = (text) => measure.measureText(text).width > box.clientWidth - 4;
  let kept = box.value;
  const keepToBox = () => {
    const typed = box.value;
    if (tooWide(typed)) {
      // What came between the text kept before and after it, cut from its end.
      const before = commonPrefix(kept, typed);
      const reversed = (text) => [...text.slice(before)].reverse().join('');
      const after = typed.length - commonPrefix(reversed(kept), reversed(typed));
      const added = [...typed.slice(before, Math.max(before, after))];
      const rest = typed.slice(Math.max(before, after));
      do added.pop(); while (added.length > 0 && tooWide(typed.slice(0, before) + added.join('') + rest));
      box.value = typed.slice(0, before) + added.join('') + rest;
      const caret = before + added.join('').length;
      box.setSelectionRange(caret, caret);
    }
    kept = box.value;
  };
  box.addEventListener('input', (event) => { if (!event.isComposing) keepToBox(); });
  box.addEventListener('compositionend', keepToBox);
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
  if (ui.exitBox !== null) {
    ui.exitBox.querySelector('button').focus();
    return;
  }
  const opened = askQuestion(texts.exitQuestion, texts.exitTitle, IDI_EXIT, (yes) => {
    ui.exitBox = null;
    if (yes) later(() => input(Input.Exit));
  }, false);
  ui.exitBox = opened.dialog;
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
  // The sheet keeps one size whatever its page, as large as its largest.
  sizeToLargestPanel(frame);
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
  fitDialog(opened.dialog);  // at its size with one page shown
  tabButtons[startPage].focus();
}
