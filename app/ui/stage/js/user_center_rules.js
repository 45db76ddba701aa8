// The user centre's decisions before it asks the program: the user's information as rows to
// show, and the requests of the password change and the feedback from what the user typed, with
// the message for what cannot be sent. No page dependency, so node tests it
// (app/ui/tests/user_center_rules.test.js).
var userCenterRules = (function () {
    "use strict";

    // The members shown first, under these labels; any other plain member follows under its name.
    var KNOWN_FIELDS = [
        { name: "niCheng", label: "昵称" },
        { name: "phone", label: "手机号码" },
        { name: "email", label: "电子邮箱" },
        { name: "regTime", label: "注册时间" },
    ];
    // Members of a reply that are no information about the user.
    var NOT_SHOWN = ["flag", "msg", "password", "pswd"];

    var FEEDBACK_TYPES = [
        { value: "suggestion", label: "建议" },
        { value: "bug", label: "问题" },
        { value: "other", label: "其他" },
    ];

    function isPlain(value) {
        return typeof value === "string" || typeof value === "number" || typeof value === "boolean";
    }

    // [{ label, value }] of the user's information (an object); [] for anything else.
    function userInfoRows(info) {
        if (!info || typeof info !== "object" || Array.isArray(info)) {
            return [];
        }
        var rows = [];
        var known = {};
        KNOWN_FIELDS.forEach(function (field) {
            known[field.name] = true;
            if (isPlain(info[field.name]) && String(info[field.name]) !== "") {
                rows.push({ label: field.label, value: String(info[field.name]) });
            }
        });
        Object.keys(info).forEach(function (name) {
            if (!known[name] && NOT_SHOWN.indexOf(name) < 0 && isPlain(info[name])) {
                rows.push({ label: name, value: String(info[name]) });
            }
        });
        return rows;
    }

    // { message } when the form is not complete, else { request } of "changePassword".
    function passwordChange(oldPassword, newPassword, confirmation) {
        if (!oldPassword) {
            return { message: "请输入原密码！" };
        }
        if (!newPassword) {
            return { message: "请输入新密码！" };
        }
        if (newPassword !== confirmation) {
            return { message: "两次输入的新密码不一致！" };
        }
        return { request: { method: "changePassword", oldPswd: String(oldPassword), newPswd: String(newPassword) } };
    }

    // { message } without content, else { request } of "Feedback" with the text as it was typed.
    function feedback(type, content) {
        if (String(content || "").trim() === "") {
            return { message: "请输入反馈内容！" };
        }
        return { request: { method: "Feedback", type: String(type || ""), content: String(content) } };
    }

    // The outcome of a reply for the user: { ok, text }; an unreadable reply is a failed connection.
    function outcome(reply, success, failure) {
        if (!reply) {
            return { ok: false, text: "服务器连接失败！" };
        }
        if (reply.flag === "ok") {
            return { ok: true, text: typeof reply.msg === "string" && reply.msg ? reply.msg : success };
        }
        return { ok: false, text: typeof reply.msg === "string" && reply.msg ? reply.msg : failure };
    }

    return { FEEDBACK_TYPES: FEEDBACK_TYPES, userInfoRows: userInfoRows, passwordChange: passwordChange,
             feedback: feedback, outcome: outcome };
})();

if (typeof module !== "undefined" && module.exports) {
    module.exports = userCenterRules;
}
