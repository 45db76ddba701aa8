// The page side of the bridge, shared by the program's own pages: requests are objects written
// with JSON.stringify (so no value can break the request text), replies are read as data by
// parseReply (reply_parser.js, loaded before this script) and never run.

// Writes a request object as the request text.
function toJson(value) {
    "use strict";
    return JSON.stringify(value);
}

// Sends one request (a request object, or a request text already written) through
// window.external.execute and gives the reply as a value; a reply that cannot be read, an empty
// reply or a failed call give undefined, which every caller treats as an error reply.
function callCpp(request) {
    "use strict";
    try {
        var text = typeof request === "string" ? request : toJson(request);
        return parseReply(window.external.execute(text));
    } catch (e) {
        return undefined;
    }
}

// Shows a text in the element of that id (as text, never as markup).
function showText(id, text) {
    "use strict";
    var element = document.getElementById(id);
    if (element) {
        element.textContent = text;
    }
}

// Runs then() once the page has painted what it shows now. A synchronous call holds the page
// until it answers, and the page paints nothing meanwhile: a menu closed or a word of work shown
// just before it would appear only after it, behind the pop-up or the dialog the call opened.
// Two frames go by first, so that the first one is on the screen; a page that is not shown gets
// no frames, and runs then() after a short while instead.
function afterPaint(then) {
    "use strict";
    var done = false;
    var run = function () {
        if (!done) {
            done = true;
            then();
        }
    };
    window.requestAnimationFrame(function () {
        window.requestAnimationFrame(function () {
            window.setTimeout(run, 0);
        });
    });
    window.setTimeout(run, 250);
}
