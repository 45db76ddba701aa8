// Starts the stand-in data service (qel-data-standin) on a free port of 127.0.0.1 with the
// sample draws, its pages and the program's page scripts of this source tree.
"use strict";

const { spawn } = require("node:child_process");
const path = require("node:path");

const SOURCE = path.join(__dirname, "..", "..", "..");
const FIXTURES = path.join(SOURCE, "standin", "fixtures");

function startStandin(binary, timeoutMs = 30000) {
    return new Promise((resolve, reject) => {
        const child = spawn(binary, ["--port", "0", "--fixtures", FIXTURES,
            "--pages", path.join(SOURCE, "standin", "pages"), "--page-scripts", path.join(SOURCE, "ui", "pages")],
        { stdio: ["ignore", "pipe", "inherit"] });
        let output = "";
        const timer = setTimeout(() => {
            child.kill("SIGKILL");
            reject(new Error(`qel-data-standin printed no address in time: ${output}`));
        }, timeoutMs);
        child.on("error", (error) => {
            clearTimeout(timer);
            reject(error);
        });
        child.stdout.setEncoding("utf8");
        child.stdout.on("data", (chunk) => {
            output += chunk;
            const match = /listening on (http:\/\/127\.0\.0\.1:(\d+))/.exec(output);
            if (match) {
                clearTimeout(timer);
                resolve({ process: child, address: match[1], port: Number(match[2]) });
            }
        });
    });
}

// The sample draws of a game, oldest first.
function sampleDraws(gameKey) {
    return require(path.join(FIXTURES, "draws", `${gameKey}.json`)).draws;
}

// Settings-database statements that point the program at the stand-in (with the setting "debug"
// on, the program reads the service's address from its settings database).
function pointAt(standin) {
    return `update systeminfo set parameterValue = '127.0.0.1' where parameterName = 'host';
            update systeminfo set parameterValue = '${standin.port}' where parameterName = 'port';
            insert into systeminfo (parameterName, parameterValue, flag) values ('website', '${standin.address}', 'sys');`;
}

// The value of "--name" among the command's arguments.
function argument(name) {
    const index = process.argv.indexOf(`--${name}`);
    return index >= 0 ? process.argv[index + 1] : undefined;
}

module.exports = { startStandin, sampleDraws, pointAt, argument };
