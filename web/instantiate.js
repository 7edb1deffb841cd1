// The module's bytes are inside the page (SINGLE_FILE), as base64 in a
// data: URL. Emscripten would fetch that URL, which goes through the
// browser's loader and comes back only after the page has been parsed and
// laid out; decoded here and compiled in the background at once, the
// module is ready as the page's script ends. (wasmBinaryFile and
// tryParseAsDataURI are Emscripten's own names for that URL and its
// decoder; instantiateWasm is its hook for instantiating the module.)
Module['instantiateWasm'] = function (imports, receiveInstance) {
  var base64 = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
  var bytes = typeof Uint8Array.fromBase64 == 'function' ? Uint8Array.fromBase64(base64) : tryParseAsDataURI(wasmBinaryFile);
  WebAssembly.instantiate(bytes, imports).then(function (result) {
    receiveInstance(result['instance']);
  });
  return {};
};
