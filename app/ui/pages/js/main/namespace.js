// The main page's classes live in one namespace, so that none of their names (Map among them)
// hides a name of the browser's own.
var qel = window.qel = window.qel || {};

// Makes Child a subclass of Parent: Child's prototype inherits Parent's.
qel.inherit = function (Child, Parent) {
    "use strict";
    Child.prototype = Object.create(Parent.prototype);
    Child.prototype.constructor = Child;
    return Child;
};
