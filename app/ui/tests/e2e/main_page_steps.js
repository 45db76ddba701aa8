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

// A visible menu item of that text, once its menu has opened: shown to its full size and on top
// of the page at the item's centre. A menu opens with a short animation before it takes its place
// above the main layout; a pointer that arrives meanwhile lands on the layout's panel below, and
// the menu, never entered, closes.
async function openItem(page, text) {
    const item = page.locator(`.menu-item:visible >> text="${text}"`);
    await item.waitFor();
    await item.evaluate((element) => new Promise((done) => {
        const onTop = () => {
            const menu = element.closest(".menu");
            const box = element.getBoundingClientRect();
            const menuBox = menu.getBoundingClientRect();
            const hit = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
            return !window.jQuery(menu).is(":animated") && menuBox.bottom >= box.bottom && element.contains(hit);
        };
        const wait = () => (onTop() ? done() : window.requestAnimationFrame(wait));
        wait();
    }));
    return item;
}

// Opens a menu button's menu and clicks an item; the texts before it open the submenus on the way.
// The menu opens as the pointer rests on its button (a click on the button would open it a second
// time when that delay is over, under a pointer already on its way to the item); the pointer first
// leaves the button, so that it enters it again.
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
