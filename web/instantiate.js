// The module's bytes are inside the page (SINGLE_FILE), as base64 in a
// data: URL. Emscripten would fetch that URL, which goes through the
// browser's loader and comes back only after the page has been parsed and
// laid out; decoded here and compiled in the background at once, the
// module is ready as the page's script ends. The site's copy of the page
// has the module as a file of its own (web/site/make_site.js), fetched
// from the page's head and compiled off the main thread as its bytes
// arrive. (wasmBinaryFile and tryParseAsDataURI are Emscripten's own names
// for that URL and its decoder; instantiateWasm is its hook for
// instantiating the module.)
Module['instantiateWasm'] = function (imports, receiveInstance) {
  var instantiated;
  if (wasmBinaryFile.lastIndexOf('data:', 0) === 0) {
    var base64 = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
    var bytes = typeof Uint8Array.fromBase64 == 'function' ? Uint8Array.fromBase64(base64) : tryParseAsDataURI(wasmBinaryFile);
    instantiated = WebAssembly.instantiate(bytes, imports);
  } else {
    instantiated = fetch(wasmBinaryFile, { credentials: 'same-origin' }).then(function (response) {
      if (typeof WebAssembly.instantiateStreaming != 'function') return response.arrayBuffer().then(function (bytes) { return WebAssembly.instantiate(bytes, imports); });
      // A host that serves the file as another type than application/wasm
      // refuses the streaming compile: then it is compiled whole.
      var copy = response.clone();
      return WebAssembly.instantiateStreaming(response, imports).catch(function () {
        return copy.arrayBuffer().then(function (bytes) { return WebAssembly.instantiate(bytes, imports); });
      });
    });
  }
  instantiated.then(function (result) {
    receiveInstance(result['instance']);
  });
  return {};
};
