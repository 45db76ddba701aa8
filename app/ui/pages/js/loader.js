// Adds a style sheet or a script to the document head.
// descriptor: { cssOrJs: "css" | "js", type, path, charset (optional) }
function dynamicImport(descriptor) {
    "use strict";
    var element;
    if (descriptor.cssOrJs === "css") {
        element = document.createElement("link");
        element.rel = "stylesheet";
        element.type = descriptor.type || "text/css";
        element.href = descriptor.path;
    } else {
        element = document.createElement("script");
        element.type = descriptor.type || "text/javascript";
        element.src = descriptor.path;
        element.async = false;
    }
    if (descriptor.charset) {
        element.charset = descriptor.charset;
    }
    document.getElementsByTagName("head")[0].appendChild(element);
    return element;
}
