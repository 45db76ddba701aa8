// Starts the stand-in data service (qel-data-standin) on a free port of 127.0.0.1 with the
// sample draws, its pages and the program's page scripts of this source tree.
"use strict";

const path = require("node:path");
const { runSession, startServer } = require("./harness.js");

const SOURCE = path.join(__dirname, "..", "..", "..");
const FIXTURES = path.join(SOURCE, "standin", "fixtures");

function startStandin(binary) {
    const args = ["--port", "0", "--fixtures", FIXTURES, "--pages", path.join(SOURCE, "standin", "pages"),
        "--page-scripts", path.join(SOURCE, "ui", "pages")];
    return startServer(binary, args, process.env, (output) => {
        const match = /listening on (http:\/\/127\.0\.0\.1:(\d+))/.exec(output);
        return match ? { address: match[1], port: Number(match[2]) } : null;
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

// Runs an e2e session (harness.js) against the stand-in given by "--standin": the stand-in starts
// first, the session's settings database points the program at it ("debug" on), and it ends with
// the session; body(session, standin).
function runStandinSession(name, deadlineMs, body) {
    startStandin(argument("standin")).then((standin) => runSession(name, deadlineMs,
        (session) => body(session, standin), {
            databaseSql: pointAt(standin),
            hostArgs: ["--setting", "debug=true"],
            cleanup: () => standin.process.kill("SIGTERM"),
        })).catch((error) => {
        console.error(`${name}: FAILED: ${error && error.stack ? error.stack : error}`);
        process.exit(1);
    });
}

module.exports = { startStandin, sampleDraws, pointAt, argument, runStandinSession };
