// The settings file in the page's storage, and the copy to take away or
// load in its place.
function storedBytes() {
  const text = localStorage.getItem(STORAGE_KEY);
  return text === null ? null : bytesOfText(text);
}
// The file's bytes, one character each, replaced whole.
function storeBytes(bytes) {
  try {
    localStorage.setItem(STORAGE_KEY, textOfBytes(bytes));
  } catch (error) {
    // A full or refused storage keeps the file it had, as a failed write does.
  }
}
page.settingsSaved = (pointer, length) => storeBytes(HEAPU8.subarray(pointer, pointer + length));
// The file to take away, and one to load in its place: a file that is
// no settings file is refused, and the one in storage kept.
function offerFileActions() {
  const message = $('storage-message');
  $('download').textContent = texts.download;
  $('load').textContent = texts.load;
  $('storage').hidden = false;
  $('download').addEventListener('click', () => {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([storedBytes() || new Uint8Array(0)], { type: 'application/octet-stream' }));
    link.download = STORAGE_KEY;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  });
  $('load').addEventListener('click', () => $('file').click());
  $('file').addEventListener('change', async () => {
    const file = $('file').files[0];
    $('file').value = '';
    if (!file || ui.ended) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    if (!withBytes(bytes, _trelmo_load_settings)) {
      message.textContent = texts.refused.replace('%s', file.name);
      return;
    }
    storeBytes(bytes);
    message.textContent = texts.loaded.replace('%s', file.name);
  });
}
