// The body of a function the shell calls in its test mode (QEL_TEST_MODE=1) when told
// "execute <window> <request>" on standard input: the page sends the request text through the
// real bridge, as its own script would. The argument is named text.
return window.external.execute(text);
