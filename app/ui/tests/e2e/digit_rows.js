// The rows of a digit game worked out independently of the program, for the e2e tests to
// compare the program's counts and pages with.
"use strict";

// Every row of `length` positions over the digits, the last position turning fastest.
function everyRow(digits, length) {
    let rows = [[]];
    for (let i = 0; i < length; i += 1) {
        rows = rows.flatMap((row) => digits.map((d) => row.concat(d)));
    }
    return rows;
}

const sum = (row) => row.reduce((a, b) => a + b, 0);
const span = (row) => Math.max(...row) - Math.min(...row);

module.exports = { everyRow, sum, span };
