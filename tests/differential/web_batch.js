// trelmo-sim.js run many times in one node process: node's start costs about
// 0.1 s a run, more than most scripts take. The emitted program is compiled
// once as a function and its WebAssembly module once; each run calls the
// function afresh, so it gets its own instance, memory and file table, as a
// new process would. Standard output and error are the file descriptors 1
// and 2 that the program writes through fs.writeSync (NODERAWFS); they are
// caught here byte for byte. Paths in a script are relative to the folder a
// run is given, as they are to a process started there.
'use strict';
const fs = require('fs');
const path = require('path');

// Thrown to unwind the program when it quits; its own ExitStatus is also
// unwound by its callMain, which then returns.
class Quit extends Error {}

function loadWebSim(jsPath) {
  const source = fs.readFileSync(jsPath, 'utf8');
  const wasmPath = path.join(path.dirname(jsPath), path.basename(jsPath, '.js') + '.wasm');
  const compiled = new WebAssembly.Module(fs.readFileSync(wasmPath));
  const program = new Function('Module', 'require', 'process', '__dirname', source);

  // Runs the script file at scriptPath with workDir as the current folder.
  // Returns { stdout, stderr, code } (Buffers and a number).
  return function run(scriptPath, workDir) {
    const streams = { 1: [], 2: [] };
    let code = null;
    const caughtFs = Object.create(fs, {
      writeSync: {
        value(fd, buffer, offset, length, position) {
          if (fd !== 1 && fd !== 2) return fs.writeSync(fd, buffer, offset, length, position);
          streams[fd].push(Buffer.from(buffer.subarray(offset, offset + length)));
          return length;
        },
      },
      // The program closes every stream as it exits; this process's own
      // standard streams stay open.
      closeSync: { value: (fd) => (fd <= 2 ? undefined : fs.closeSync(fd)) },
    });
    const caughtRequire = (name) => (name === 'fs' ? caughtFs : require(name));
    const caughtProcess = Object.create(process, {
      argv: { value: [process.argv[0], jsPath, scriptPath] },
      on: { value: () => {} },
      exit: { value: (status) => { code = status; throw new Quit(); } },
    });
    const Module = {
      instantiateWasm(imports, receiveInstance) {
        const instance = new WebAssembly.Instance(compiled, imports);
        receiveInstance(instance);
        return instance.exports;
      },
      // As node prints them: a message the program's JavaScript writes itself
      // (an abort) goes through console.warn to standard error.
      print: (text) => streams[1].push(Buffer.from(text + '\n')),
      printErr: (text) => streams[2].push(Buffer.from(text + '\n')),
      quit: (status, toThrow) => { code = status; throw toThrow; },
    };
    const home = process.cwd();
    process.chdir(workDir);
    try {
      program(Module, caughtRequire, caughtProcess, path.dirname(jsPath));
    } catch (error) {
      // A trap or an abort: node would print it and exit with 1.
      if (!(error instanceof Quit)) {
        if (code === null) code = 1;
        streams[2].push(Buffer.from(String(error && error.stack ? error.stack : error) + '\n'));
      }
    } finally {
      process.chdir(home);
    }
    return { stdout: Buffer.concat(streams[1]), stderr: Buffer.concat(streams[2]), code: code === null ? 0 : code };
  };
}

module.exports = { loadWebSim };
