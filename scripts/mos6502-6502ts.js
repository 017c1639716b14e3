// Runs a 6502 image on the cycle-stepped NMOS 6502 core of the npm package
// 6502.ts (a second core beside cc65's sim65), one call per record:
//
//   node scripts/mos6502-6502ts.js IMAGE LOAD PRINT ZERO_AFTER RECORD...
//
// Memory is 64 KiB of $FF, the image at LOAD (wrapping past 65,535), with a
// 0 right after it when ZERO_AFTER is 1, an RTS at PRINT. A caller at the
// harness address (in free memory) loads A and X with the record and JSRs
// to LOAD. Prints one JSON line per call: the record, A and X on return,
// the characters printed (A at each fetch from PRINT), the routine's
// cycles from its first fetch to the fetch after its RTS (the print
// routine's RTS included), and the stack below the caller's SP at the
// deepest visit of PRINT. 6502.ts is found through NODE_PATH.
'use strict';

const fs = require('fs');
const Factory = require('6502.ts/lib/machine/cpu/Factory').default;

const [imagePath, loadArg, printArg, zeroArg, ...recordArgs] = process.argv.slice(2);
const image = fs.readFileSync(imagePath);
const load = Number(loadArg);
const print = Number(printArg);
const zeroAfter = zeroArg === '1';
const fetch = 1;

const used = new Uint8Array(65536);
for (let k = 0; k <= image.length; ++k) used[(load + k) & 0xffff] = 1;
for (let k = 0; k < 3; ++k) used[(print + k) & 0xffff] = 1;
// The caller: LDA #lo, LDX #hi, JSR load, then a JMP to itself.
let harness = 0x0200;
while ([...Array(10).keys()].some((k) => used[(harness + k) & 0xffff])) harness += 0x10;
const back = harness + 7;

for (const recordArg of recordArgs) {
    const record = Number(recordArg);
    const memory = new Uint8Array(65536).fill(0xff);
    const bus = {
        read: (address) => memory[address & 0xffff],
        peek: (address) => memory[address & 0xffff],
        readWord: (address) => memory[address & 0xffff] | (memory[(address + 1) & 0xffff] << 8),
        write: (address, value) => { memory[address & 0xffff] = value; },
        poke: (address, value) => { memory[address & 0xffff] = value; },
    };
    memory[0xfffc] = harness & 0xff;
    memory[0xfffd] = harness >> 8;
    const cpu = new Factory(Factory.Type.stateMachine).create(bus);
    cpu.setInvalidInstructionCallback(() => { throw new Error(`invalid opcode at ${cpu.state.p}`); });
    while (cpu.executionState !== fetch) cpu.cycle();  // the reset sequence

    [0xa9, record & 0xff, 0xa2, record >> 8, 0x20, load & 0xff, load >> 8, 0x4c, back & 0xff, back >> 8]
        .forEach((byte, k) => { memory[harness + k] = byte; });
    image.forEach((byte, k) => { memory[(load + k) & 0xffff] = byte; });
    if (zeroAfter) memory[(load + image.length) & 0xffff] = 0;
    memory[print] = 0x60;

    const callerStack = cpu.state.s;
    let cycles = 0, started = -1, lowest = callerStack;
    const printed = [];
    for (let limit = 0; limit < 50000000; ++limit) {
        if (cpu.executionState === fetch) {
            const at = cpu.state.p;
            if (at === load && started < 0) started = cycles;
            if (at === print) {
                printed.push(cpu.state.a);
                lowest = Math.min(lowest, cpu.state.s);
            }
            if (at === back) break;
        }
        cpu.cycle();
        ++cycles;
    }
    console.log(JSON.stringify({
        record,
        a: cpu.state.a,
        x: cpu.state.x,
        printed,
        cycles: cycles - started,
        stack: printed.length > 0 ? callerStack - lowest : 0,
    }));
}
