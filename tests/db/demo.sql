-- A few members, the shipped catalogue's products and one delivery route,
-- for trying the database edition on a database of one's own (made by
-- "scripts/test-database demo"). Prices as in res/sysini/prices.ini;
-- member class 1 pays product_price1. The members' password is the one the
-- database edition's order dialog sends for a member.
insert into DB_member(code, password, phone, mobile, name, class, address) values
    ('M01', '472951', '5550101', '13800000001', '演示会员甲', '0', '东门路1号'),
    ('M02', '472951', '5550102', '13800000002', '演示会员乙', '1', '南门路22号'),
    ('M03', '472951', '5550103', '13800000003', '演示会员丙', '0', '书院街8号');
insert into DB_product(product_code, product_price, product_price1) values
    ('C5', 0.80, 0.60), ('C6', 1.00, 0.80), ('C6D', 1.20, 0.90), ('C7', 2.00, 1.50),
    ('C8', 4.00, 3.00), ('C10', 8.00, 6.00), ('C12', 15.00, 12.00), ('C14', 25.00, 20.00),
    ('C16', 30.00, 25.00), ('C18', 40.00, 32.00), ('C20', 50.00, 40.00),
    ('C24', 80.00, 65.00), ('ID1', 10.00, 8.00), ('ID2', 12.00, 10.00), ('ORIG', 1.50, 1.20);
-- M03's own price of a 6-inch print.
insert into DB_memprice(pcode, memcode, price) values ('C6', 'M03', 0.70);
insert into DB_user(username, userrole) values ('一线', '业务送片');
insert into DB_line(code, linename, sortid) values ('M01', '一线', 1), ('M03', '一线', 2);
