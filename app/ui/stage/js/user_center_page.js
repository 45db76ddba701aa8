// The user centre (pageForUserCenter.html): the user's information the main window passes in
// its address ("userInfo", JSON text), the password change and the feedback form. Needs page.js,
// popup_page.js and user_center_rules.js. Everything from a reply is shown as text.
var userCenterPage = (function () {
    "use strict";

    function byId(id) {
        return document.getElementById(id);
    }

    function showUserInfo() {
        var info = parseReply(popupPage.query("userInfo"));
        var rows = userCenterRules.userInfoRows(info);
        var box = byId("userInfo");
        if (!rows.length) {
            box.appendChild(popupPage.element("div", "popup-notice", "没有用户信息。"));
            return;
        }
        box.appendChild(popupPage.table([
            { title: "项目", cell: function (row) { return row.label; } },
            { title: "内容", cell: function (row) { return row.value; } },
        ], rows));
    }

    function show(id, result) {
        popupPage.message(id, result.text, !result.ok);
    }

    function wirePasswordChange() {
        byId("changePasswordButton").addEventListener("click", function () {
            var form = userCenterRules.passwordChange(byId("oldPswd").value, byId("newPswd").value,
                                                      byId("confirmPswd").value);
            if (form.message) {
                show("passwordMessage", { ok: false, text: form.message });
                return;
            }
            var result = userCenterRules.outcome(callCpp(form.request), "密码修改成功！", "密码修改失败！");
            if (result.ok) {
                ["oldPswd", "newPswd", "confirmPswd"].forEach(function (id) {
                    byId(id).value = "";
                });
            }
            show("passwordMessage", result);
        });
    }

    function wireFeedback() {
        var types = byId("feedbackType");
        userCenterRules.FEEDBACK_TYPES.forEach(function (type) {
            var option = popupPage.element("option", "", type.label);
            option.value = type.value;
            types.appendChild(option);
        });
        byId("feedbackButton").addEventListener("click", function () {
            var form = userCenterRules.feedback(types.value, byId("feedbackContent").value);
            if (form.message) {
                show("feedbackMessage", { ok: false, text: form.message });
                return;
            }
            // The program answers its own message for the service's verdict.
            var result = userCenterRules.outcome(callCpp(form.request), "反馈成功！", "反馈失败！");
            if (result.ok) {
                byId("feedbackContent").value = "";
            }
            show("feedbackMessage", result);
        });
    }

    function start() {
        popupPage.bar("用户中心");
        showUserInfo();
        wirePasswordChange();
        wireFeedback();
    }

    return { start: start };
})();
