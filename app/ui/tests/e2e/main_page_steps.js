// Steps the main page's e2e tests share: opening the page, reading the requests it sent, waiting
// for its notices and using its menus.
"use strict";

// Loads the main page and waits until its start has run.
async function openMainPage(page, host) {
    await page.goto(`${host.address}/res/main.html`, { waitUntil: "load" });
    await page.waitForFunction(() => document.documentElement.getAttribute("data-ready") === "true");
}

// Without a stored login the page starts with the login window; the tests go on without one.
async function cancelLogin(page) {
    await page.click("#loginWindow .my-window-buttons a:has-text('取消')");
}

// The requests of one method the page sent, with their replies, in order.
async function requests(calls, method) {
    return (await calls()).map((call) => ({ request: JSON.parse(call.request), reply: call.reply }))
        .filter((call) => call.request.method === method);
}

// Waits for a notice with that text; notices already seen do not count again.
async function expectMessage(page, text) {
    await page.waitForFunction((t) => Array.from(document.querySelectorAll(".messager-body .message:not([data-seen])"))
        .some((element) => element.textContent === t), text);
    await page.evaluate(() => document.querySelectorAll(".messager-body .message").forEach((element) =>
        element.setAttribute("data-seen", "true")));
}

// A visible menu item of that text, once its menu is open and on top of the page at the item's
// centre: a pointer that arrives while the menu is not there lands on the main layout's panel
// below, and that press outside the menu closes it.
async function openItem(page, text) {
    const item = page.locator(`.menu-item:visible >> text="${text}"`);
    await page.waitForFunction((element) => {
        const box = element.getBoundingClientRect();
        const hit = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
        return !window.jQuery(element.closest(".menu")).is(":animated") && element.contains(hit);
    }, await item.elementHandle(), { polling: "raf" });
    return item;
}

// Opens a menu button's menu and clicks an item; the texts before it open the submenus on the way.
// The menu opens as the pointer rests on its button. A click on the button would open it at once
// and again when the hover delay is over, hiding and showing it while the pointer may already be
// on its way to the item; so the pointer first leaves the button and then rests on it (one
// opening), and moves to an item only once that is on top.
async function menuItem(page, menuButton, ...texts) {
    await page.mouse.move(0, 0);
    await page.hover(menuButton);
    for (const text of texts.slice(0, -1)) {
        await (await openItem(page, text)).hover();
    }
    await (await openItem(page, texts[texts.length - 1])).click();
}

// Waits until the page has sent as many requests of a method.
async function sent(page, method, count = 1) {
    await page.waitForFunction(([m, n]) => window.__qelCalls.filter((call) => JSON.parse(call.request).method === m)
        .length >= n, [method, count]);
}

module.exports = { openMainPage, cancelLogin, requests, expectMessage, menuItem, sent };
