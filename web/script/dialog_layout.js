// A dialog laid out for a phone, where its template's places cannot show
// its text at a readable size (fit.js decides when). The same controls in
// the same order, only moved: into columns that fit the room, the push
// buttons in a row at the foot. Each try keeps less of the template: its
// lines as they are; else each group box and control on its own; else a
// group box's controls in one column inside it, each label as wide as its
// text. Where none fits, the one that needs the least scaling is kept.
// CSS pixels: the margin around the controls, and the most room between
// two of them (less where the template has less).
const PHONE_DIALOG_MARGIN = 8, PHONE_DIALOG_GAP = 8;

// A panel's children as the template places them, in the panel's own CSS
// pixels, measured on the screen (with their own transforms).
function placedBoxes(panel) {
  const hidden = panel.style.display === 'none';
  if (hidden) panel.style.display = '';
  const origin = panel.getBoundingClientRect(), scale = origin.width / panel.offsetWidth;
  const boxes = [...panel.children].map((element) => {
    const r = element.getBoundingClientRect();
    const box = { element, left: (r.left - origin.left) / scale, top: (r.top - origin.top) / scale, width: r.width / scale, height: r.height / scale };
    if (element.tagName === 'DIV' && element.childNodes.length > 0) {
      const text = document.createRange();
      text.selectNodeContents(element);
      box.textWidth = Math.min(box.width, Math.ceil(text.getBoundingClientRect().width / scale) + 1);
    }
    return box;
  });
  if (hidden) panel.style.display = 'none';
  return boxes;
}

// Sets an element's style, keeping what the template gave it the first time.
function restyle(element, style) {
  if (element.templateStyle === undefined) element.templateStyle = { width: element.style.width, height: element.style.height, translate: '' };
  Object.assign(element.style, style);
}
// Every panel of the dialog back at the template's places.
function placeAsTemplates(dialog) {
  for (const element of dialog.querySelectorAll('.panel, .panel > *')) {
    if (element.templateStyle !== undefined) Object.assign(element.style, element.templateStyle);
  }
  sizeToLargestPanel(dialog);
}
// A box that holds panels on tabs (in `holder`) keeps the size of the largest.
function sizeToLargestPanel(holder) {
  const body = holder.querySelector('.sheetbody');
  if (body === null) return;
  const panels = [...body.querySelectorAll('.panel')];
  const largest = (side) => `${Math.max(...panels.map((panel) => parseFloat(panel.style[side])))}px`;
  Object.assign(body.style, { width: largest('width'), height: largest('height') });
}

const boxBottom = (box) => box.top + box.height;
const centreInside = (box, outer) => {
  const x = box.left + box.width / 2, y = box.top + box.height / 2;
  return x > outer.left && x < outer.left + outer.width && y > outer.top && y < boxBottom(outer);
};
const readingOrder = (one, other) => one.top - other.top || one.left - other.left;
// Something laid out as one: its boxes kept where they are to each other,
// moved so that its corner is at (x, y).
function keptTogether(boxes) {
  const left = Math.min(...boxes.map((b) => b.left)), top = Math.min(...boxes.map((b) => b.top));
  const width = Math.max(...boxes.map((b) => b.left + b.width)) - left, height = Math.max(...boxes.map(boxBottom)) - top;
  const place = (x, y) => { for (const b of boxes) restyle(b.element, { translate: `${x - left}px ${y - top}px` }); };
  return { left, top, width, height, bottom: top + height, place, boxes };
}
// A group box with its controls in one column inside it, in reading
// order, each label as wide as its text; the box's edges as in the
// template.
function groupInOneColumn(unit) {
  const [group, ...members] = unit.boxes;
  if (members.length === 0) return unit;
  members.sort(readingOrder);
  const inset = { left: Math.min(...members.map((m) => m.left)) - group.left, top: Math.min(...members.map((m) => m.top)) - group.top };
  const after = { right: inset.left, bottom: boxBottom(group) - Math.max(...members.map(boxBottom)) };
  // One space between every two: the template's least between two lines.
  const spaces = members.slice(1).map((member, i) => member.top - boxBottom(members[i])).filter((space) => space > 0);
  const space = Math.min(PHONE_DIALOG_GAP, ...spaces);
  let y = inset.top;
  const offsets = members.map((member, i) => {
    if (i > 0) y += space;
    const at = y;
    y += member.height;
    return at;
  });
  const width = inset.left + Math.max(...members.map((m) => (m.textWidth !== undefined ? m.textWidth : m.width))) + after.right;
  const height = y + Math.max(0, after.bottom);
  const place = (x, top) => {
    restyle(group.element, { translate: `${x - group.left}px ${top - group.top}px`, width: `${width}px`, height: `${height}px` });
    members.forEach((member, i) => {
      const style = { translate: `${x + inset.left - member.left}px ${top + offsets[i] - member.top}px` };
      if (member.textWidth !== undefined) style.width = `${member.textWidth}px`;
      restyle(member.element, style);
    });
  };
  return { left: group.left, top: group.top, width, height, bottom: boxBottom(group), place, boxes: unit.boxes };
}

// The tries, from the most of the template kept to the least: lists of
// items in reading order.
function layoutTries(boxes) {
  const groups = boxes.filter((b) => b.element.tagName === 'FIELDSET');
  const inGroup = (box) => groups.some((group) => group !== box && centreInside(box, group));
  const units = boxes.filter((b) => b.element.tagName !== 'BUTTON' && !inGroup(b)).map((b) =>
    keptTogether(b.element.tagName === 'FIELDSET' ? [b, ...boxes.filter((m) => m !== b && m.element.tagName !== 'BUTTON' && centreInside(m, b))] : [b]));
  units.sort(readingOrder);
  const lines = [];
  for (const unit of units) {
    const line = lines[lines.length - 1];
    if (line !== undefined && unit.top < line.bottom) lines[lines.length - 1] = keptTogether([...line.boxes, ...unit.boxes]);
    else lines.push(unit);
  }
  return [lines, units, units.map((unit) => (unit.boxes[0].element.tagName === 'FIELDSET' ? groupInOneColumn(unit) : unit))];
}

// `items` in columns no taller than `tallest`, each column kept aligned as
// in the template if `aligned`, else at its left; the space between two
// items is the template's, at most the gap. Returns the columns' size and
// a function that places them.
function inColumns(items, tallest, aligned) {
  const columns = [];
  let column = null;
  const leftOf = (item) => (aligned ? item.left : 0);
  for (const item of items) {
    const gap = column === null ? 0 : Math.max(0, Math.min(PHONE_DIALOG_GAP, item.top - column.last.bottom));
    if (column === null || (column.height + gap + item.height > tallest && column.items.length > 0)) {
      column = { items: [], tops: [], height: 0, left: leftOf(item), right: leftOf(item) };
      columns.push(column);
    } else {
      column.height += gap;
    }
    column.items.push(item);
    column.tops.push(column.height);
    column.height += item.height;
    column.last = item;
    column.left = Math.min(column.left, leftOf(item));
    column.right = Math.max(column.right, leftOf(item) + item.width);
  }
  const width = columns.reduce((sum, c) => sum + c.right - c.left, 0) + PHONE_DIALOG_GAP * Math.max(0, columns.length - 1);
  const height = Math.max(0, ...columns.map((c) => c.height));
  const place = (x, y) => {
    for (const c of columns) {
      c.items.forEach((item, i) => item.place(x + leftOf(item) - c.left, y + c.tops[i]));
      x += c.right - c.left + PHONE_DIALOG_GAP;
    }
  };
  return { width, height, count: columns.length, place };
}

// As inColumns, in as few columns, their heights as even as they go.
function evenColumns(items, tallest, aligned) {
  const first = inColumns(items, tallest, aligned);
  if (first.count <= 1) return first;
  const total = items.reduce((sum, item) => sum + item.height, 0);
  for (let height = Math.floor(total / first.count); height < first.height; ++height) {
    const even = inColumns(items, height, aligned);
    if (even.count <= first.count) return even;
  }
  return first;
}

// One panel laid out to fit `room` (CSS pixels), or as near as it goes.
function placePanelForPhone(panel, room) {
  const boxes = placedBoxes(panel);
  const foot = boxes.filter((b) => b.element.tagName === 'BUTTON').sort((one, other) => one.left - other.left);
  const footWidth = foot.reduce((sum, b) => sum + b.width, 0) + PHONE_DIALOG_GAP * Math.max(0, foot.length - 1);
  const footHeight = foot.length > 0 ? PHONE_DIALOG_GAP + Math.max(...foot.map((b) => b.height)) : 0;
  const tallest = room.height - 2 * PHONE_DIALOG_MARGIN - footHeight;
  let best = null;
  const tries = layoutTries(boxes);
  for (let index = 0; index < tries.length; ++index) {
    const columns = evenColumns(tries[index], tallest, index === 0);
    const width = 2 * PHONE_DIALOG_MARGIN + Math.max(columns.width, footWidth);
    const height = 2 * PHONE_DIALOG_MARGIN + columns.height + footHeight;
    const scale = Math.min(1, room.width / width, room.height / height);
    if (best === null || scale > best.scale) best = { columns, width, height, scale };
    if (scale >= 1) break;
  }
  best.columns.place(PHONE_DIALOG_MARGIN, PHONE_DIALOG_MARGIN);
  let x = best.width - PHONE_DIALOG_MARGIN - footWidth;
  for (const button of foot) {
    restyle(button.element, { translate: `${x - button.left}px ${best.height - PHONE_DIALOG_MARGIN - button.height - button.top}px` });
    x += button.width + PHONE_DIALOG_GAP;
  }
  restyle(panel, { width: `${best.width}px`, height: `${best.height}px` });
}

// Every panel of the dialog laid out so that the whole dialog fits `room`.
function placeForPhone(dialog, room) {
  const holder = dialog.querySelector('.sheetbody') || dialog.querySelector('.panel');
  if (holder === null) return;
  const panelRoom = { width: room.width - (dialog.offsetWidth - holder.clientWidth), height: room.height - (dialog.offsetHeight - holder.clientHeight) };
  for (const panel of dialog.querySelectorAll('.panel')) placePanelForPhone(panel, panelRoom);
  sizeToLargestPanel(dialog);
}
